// The window on the handset's 800x480 screen, as rendered: every page fits in
// both languages, targets are finger-sized, text is large enough, and headings
// and the balance read at WCAG AA contrast.
#include "tests/ui/windowharness.h"

#include "ui/mainwindow.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>

namespace {

const QSize screen(800, 480);

double luminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The widget as drawn: its background is the colour of its corner, its text
// the pixel that stands out most from it (anti-aliased edges stand out less).
double renderedContrast(QWidget *widget, QRgb *background = nullptr)
{
    // From the window, so that what shows through a transparent widget counts.
    const QRect area(widget->mapTo(widget->window(), QPoint()), widget->size());
    const QImage image = widget->window()->grab(area).toImage();
    const QRgb corner = image.pixel(1, 1);
    double best = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrast(corner, image.pixel(x, y)));
    }
    if (background)
        *background = corner;
    return best;
}

QString where(QWidget *w)
{
    return w->objectName() + " \"" + w->property("text").toString() + "\"";
}

}

class WindowStyleTest : public QObject
{
    Q_OBJECT

    QStackedWidget *pages() { return window->findChild<QStackedWidget *>("stackedWidget"); }

    QList<QWidget *> shownOn(int page)
    {
        pages()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        QList<QWidget *> shown;
        for (QWidget *w : pages()->widget(page)->findChildren<QWidget *>()) {
            if (w->isVisible())
                shown << w;
        }
        return shown;
    }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        storeCard("1000200030", "1234", "79160000001");
        window.reset(new MainWindow);
        window->resize(screen);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->size(), screen);
    }

    void everyPageFitsWithFingerSizedTargets_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "";
        QTest::newRow("Russian") << "Zelvit_ru.qm";
    }

    void everyPageFitsWithFingerSizedTargets()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(language, qEnvironmentVariable("ZELVIT_BIN_DIR") + "/translations"));
            QCoreApplication::installTranslator(&translator);
        }
        QVERIFY(window->minimumSizeHint().width() <= screen.width());
        QVERIFY(window->minimumSizeHint().height() <= screen.height());
        for (int page = 0; page < pages()->count(); ++page) {
            for (QWidget *w : shownOn(page)) {
                const QString at = QString("page %1, %2").arg(page).arg(where(w));
                if (!w->property("text").toString().isEmpty() || qobject_cast<QLineEdit *>(w)) {
                    QVERIFY2(QFontInfo(w->font()).pixelSize() >= 16, qPrintable(at));
                    // Clipped text: narrower than the widget needs for it.
                    QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(at));
                }
                if (qobject_cast<QPushButton *>(w))
                    QVERIFY2(w->height() >= 56, qPrintable(at));
                if (qobject_cast<QLineEdit *>(w))
                    QVERIFY2(w->height() >= 48, qPrintable(at));
                if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
                    QStyleOptionButton option;
                    option.initFrom(w);
                    const bool box = qobject_cast<QCheckBox *>(w);
                    const QRect indicator = w->style()->subElementRect(
                        box ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option, w);
                    QVERIFY2(indicator.width() >= 32 && indicator.height() >= 32, qPrintable(at));
                }
                if (auto *list = qobject_cast<QListWidget *>(w)) {
                    list->addItem("Anna (79160000000)");
                    const int row = list->visualItemRect(list->item(list->count() - 1)).height();
                    delete list->takeItem(list->count() - 1);
                    QVERIFY2(row >= 48, qPrintable(at));
                }
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }

    void headingsAreOneBandAndReadable()
    {
        QLabel *first = nullptr;
        QRgb firstBackground = 0;
        int headed = 0;
        for (int page = 0; page < pages()->count(); ++page) {
            for (QWidget *w : shownOn(page)) {
                if (!w->property("heading").toBool())
                    continue;
                ++headed;
                QRgb background;
                const double ratio = renderedContrast(w, &background);
                QVERIFY2(ratio >= 4.5, qPrintable(where(w) + " " + QString::number(ratio)));
                if (!first) {
                    first = static_cast<QLabel *>(w);
                    firstBackground = background;
                }
                QCOMPARE(background, firstBackground);
                QCOMPARE(w->height(), first->height());
                QCOMPARE(QFontInfo(w->font()).pixelSize(), QFontInfo(first->font()).pixelSize());
                QCOMPARE(w->font().bold(), first->font().bold());
            }
        }
        // Page 2 is a bare "Main Menu" button without a heading.
        QCOMPARE(headed, pages()->count() - 1);
    }

    void balanceReadsAsValue()
    {
        auto *balance = window->findChild<QLineEdit *>("balanceValEdit");
        balance->setText("25.00");
        shownOn(4);
        QVERIFY(balance->isEnabled());
        QVERIFY(balance->isReadOnly());
        const double ratio = renderedContrast(balance);
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    }

private:
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(WindowStyleTest)
#include "tst_windowstyle.moc"
