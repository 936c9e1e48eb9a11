<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.ui" line="32"/>
        <location filename="../ui/mainwindow.cpp" line="172"/>
        <location filename="../ui/registration.cpp" line="79"/>
        <source>Zelvit</source>
        <translation>Zelvit</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="149"/>
        <location filename="../ui/mainwindow.ui" line="398"/>
        <location filename="../ui/mainwindow.ui" line="439"/>
        <location filename="../ui/mainwindow.ui" line="542"/>
        <location filename="../ui/mainwindow.ui" line="638"/>
        <location filename="../ui/mainwindow.ui" line="763"/>
        <location filename="../ui/mainwindow.ui" line="849"/>
        <location filename="../ui/mainwindow.ui" line="924"/>
        <location filename="../ui/mainwindow.ui" line="1068"/>
        <location filename="../ui/mainwindow.ui" line="1127"/>
        <location filename="../ui/mainwindow.ui" line="1233"/>
        <location filename="../ui/mainwindow.ui" line="1322"/>
        <location filename="../ui/mainwindow.ui" line="1425"/>
        <location filename="../ui/mainwindow.ui" line="1522"/>
        <location filename="../ui/mainwindow.ui" line="1678"/>
        <source>Main Menu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="164"/>
        <location filename="../ui/mainwindow.ui" line="384"/>
        <location filename="../ui/mainwindow.ui" line="719"/>
        <source>Call</source>
        <translation>Позвонить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="189"/>
        <location filename="../ui/mainwindow.ui" line="1622"/>
        <source>Sms</source>
        <translation>SMS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="214"/>
        <location filename="../ui/mainwindow.ui" line="576"/>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="239"/>
        <location filename="../ui/mainwindow.ui" line="473"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="264"/>
        <source>Info</source>
        <translation>Справка</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="289"/>
        <location filename="../ui/mainwindow.ui" line="712"/>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="314"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="366"/>
        <source>Journal of calls</source>
        <translation>Журнал звонков</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="391"/>
        <location filename="../ui/mainwindow.ui" line="917"/>
        <location filename="../ui/mainwindow.ui" line="1061"/>
        <location filename="../ui/mainwindow.ui" line="1120"/>
        <location filename="../ui/mainwindow.ui" line="1226"/>
        <location filename="../ui/mainwindow.ui" line="1315"/>
        <location filename="../ui/mainwindow.ui" line="1418"/>
        <location filename="../ui/mainwindow.ui" line="1515"/>
        <location filename="../ui/mainwindow.ui" line="1588"/>
        <location filename="../ui/mainwindow.ui" line="1779"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="486"/>
        <location filename="../ui/mainwindow.ui" line="940"/>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="493"/>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="500"/>
        <source>Virtual Card</source>
        <translation>Виртуальная карта</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="507"/>
        <location filename="../ui/mainwindow.ui" line="705"/>
        <location filename="../ui/mainwindow.ui" line="1084"/>
        <location filename="../ui/mainwindow.ui" line="1249"/>
        <location filename="../ui/mainwindow.ui" line="1734"/>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="591"/>
        <source>Balance: </source>
        <translation>Баланс: </translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="601"/>
        <location filename="../ui/balanceflow.cpp" line="34"/>
        <source>Loading...</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="672"/>
        <source>Call</source>
        <comment>call page heading</comment>
        <translation>Звонок</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="692"/>
        <source>Enter abonent number</source>
        <translation>Введите номер абонента</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="728"/>
        <source>Call to another coutry</source>
        <translation>Звонок в другую страну</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="797"/>
        <source>INFO</source>
        <translation>СПРАВКА</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="810"/>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;table border=&quot;0&quot; style=&quot;-qt-table-type: root; margin-top:4px; margin-bottom:4px; margin-left:4px; margin-right:4px;&quot;&gt;
&lt;tr&gt;
&lt;td style=&quot;border: none;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Zelvit version %2 Dear Zelvit user! &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Follow these rules for correct work:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;1. Phone number. In the menu Settings, Virtual Card enter the number of the SIM card that is in this phone, in this format:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- for Russia: «7» and the number with the code of the mobile operator, for example 79160000000;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- for a foreign operator: «10», then the country code, then the number with the code of the mobile operator, for example 1037250000000.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;2. Connection type. In the submenu Connection of the menu Settings choose where you are:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- in home network;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- in national roaming (outside your home region, but in Russia);&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- in international roaming (outside Russia).&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;3. Quick access. Quick access binds the virtual card to your phone number. Remember which number your card is bound to. For some phone models quick access is mandatory.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;You will find more information on the operator&apos;s web site %1 and in the user&apos;s manual.&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;table border=&quot;0&quot; style=&quot;-qt-table-type: root; margin-top:4px; margin-bottom:4px; margin-left:4px; margin-right:4px;&quot;&gt;
&lt;tr&gt;
&lt;td style=&quot;border: none;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Zelvit версия %2. Уважаемый пользователь Zelvit! &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Для правильной работы соблюдайте следующие правила:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;1. Номер телефона. В меню «Настройки», «Виртуальная карта» укажите номер SIM-карты, которая стоит в этом телефоне, в таком формате:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- для России: «7» и номер с кодом мобильного оператора, например 79160000000;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- для иностранного оператора: «10», затем код страны, затем номер с кодом мобильного оператора, например 1037250000000.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;2. Тип соединения. В подменю «Соединение» меню «Настройки» выберите, где вы находитесь:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- в домашней сети;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- в национальном роуминге (за пределами домашнего региона, но в России);&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;- в международном роуминге (за пределами России).&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;3. Быстрый доступ. Быстрый доступ привязывает виртуальную карту к вашему номеру телефона. Запомните, к какому номеру привязана ваша карта. Для некоторых моделей телефонов быстрый доступ обязателен.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Подробнее читайте на сайте оператора %1 и в руководстве пользователя.&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="865"/>
        <source>Interface Language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="875"/>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="882"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="963"/>
        <source>In home network</source>
        <translation>В домашней сети</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="970"/>
        <source>Tone dialing</source>
        <translation>Тоновый набор</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="977"/>
        <location filename="../ui/mainwindow.ui" line="1005"/>
        <source>GPRS/EDGE/WIFI</source>
        <translation>GPRS/EDGE/Wi-Fi</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="984"/>
        <source>In national rouming</source>
        <translation>В национальном роуминге</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="991"/>
        <source>In international rouming</source>
        <translation>В международном роуминге</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="998"/>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1012"/>
        <source>SIP</source>
        <translation>SIP</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1054"/>
        <location filename="../ui/mainwindow.ui" line="1219"/>
        <location filename="../ui/mainwindow.ui" line="1308"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1096"/>
        <source>Fast search:</source>
        <translation>Быстрый поиск:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1113"/>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1143"/>
        <source>Virtual card</source>
        <translation>Виртуальная карта</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1155"/>
        <source>Card number</source>
        <translation>Номер карты</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1165"/>
        <source>Access phone number</source>
        <translation>Номер доступа</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1175"/>
        <source>PIN-code of card</source>
        <translation>PIN-код карты</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1185"/>
        <source>Your phone number</source>
        <translation>Ваш номер телефона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1212"/>
        <source>Get a card</source>
        <translation>Получить карту</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1259"/>
        <source>Select contacts</source>
        <translation>Источник контактов</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1269"/>
        <source>Telephone and SIM</source>
        <translation>Память телефона и SIM-карта</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1276"/>
        <source>Telephone</source>
        <translation>Память телефона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1286"/>
        <source>SIM</source>
        <translation>SIM-карта</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1356"/>
        <source>Operation finished successful</source>
        <translation>Операция выполнена</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1371"/>
        <source>phone number</source>
        <translation>номер телефона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1378"/>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1459"/>
        <location filename="../ui/mainwindow.ui" line="1472"/>
        <location filename="../ui/serviceoutcomes.cpp" line="17"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1497"/>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1504"/>
        <source>Tone/SMS</source>
        <translation>Тоновый набор/SMS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1556"/>
        <source>Receivers</source>
        <translation>Получатели</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1574"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1581"/>
        <location filename="../ui/mainwindow.ui" line="1755"/>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1644"/>
        <source>Receivers:</source>
        <translation>Получатели:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1651"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1671"/>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1712"/>
        <source>Add Contact</source>
        <translation>Добавить получателя</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1727"/>
        <source>From Contact List:</source>
        <translation>Из списка контактов:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1745"/>
        <source>Manually:</source>
        <translation>Вручную:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1786"/>
        <source>Message</source>
        <translation>SMS</translation>
    </message>
    <message>
        <location filename="../ui/notices.cpp" line="11"/>
        <location filename="../ui/serviceoutcomes.cpp" line="84"/>
        <source>There is no connection.</source>
        <translation>Нет соединения.</translation>
    </message>
    <message>
        <location filename="../ui/balanceflow.cpp" line="57"/>
        <source>Query of balance sent, look balance in incoming SMS.</source>
        <translation>Запрос баланса отправлен, баланс придёт во входящем SMS.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="80"/>
        <location filename="../ui/callflow.cpp" line="114"/>
        <location filename="../ui/callflow.cpp" line="183"/>
        <location filename="../ui/messageflow.cpp" line="25"/>
        <location filename="../ui/serviceoutcomes.cpp" line="85"/>
        <source>Incorrect phone number.</source>
        <translation>Неверный номер телефона.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="31"/>
        <location filename="../ui/callflow.cpp" line="92"/>
        <location filename="../ui/cardguard.cpp" line="31"/>
        <source>Enter phone number</source>
        <translation>Введите номер телефона</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="154"/>
        <location filename="../ui/serviceoutcomes.cpp" line="33"/>
        <source>Wait an incoming phone call from %1.</source>
        <extracomment>The operator calls the user back and then connects the call to %1.</extracomment>
        <translation>Ожидайте обратного звонка для соединения с %1.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="183"/>
        <source>Format for SIP: sip:[number]</source>
        <translation>Формат для SIP: sip:[номер]</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="184"/>
        <source>Format for Phone: [number]</source>
        <translation>Формат для телефона: [номер]</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="194"/>
        <source>The SIP account is not ready yet. Try again in a moment.</source>
        <translation>SIP-аккаунт ещё не готов. Повторите через несколько секунд.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="204"/>
        <source>Waiting for the operator&apos;s answer...</source>
        <translation>Ожидание ответа оператора…</translation>
    </message>
    <message>
        <location filename="../ui/contactspage.cpp" line="111"/>
        <location filename="../ui/messageflow.cpp" line="32"/>
        <source>The same contact already exist in the list</source>
        <translation>Этот получатель уже есть в списке</translation>
    </message>
    <message>
        <location filename="../ui/contactspage.cpp" line="116"/>
        <source>Contact was added</source>
        <translation>Получатель добавлен</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="44"/>
        <source>noname</source>
        <translation>без имени</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="46"/>
        <source>Contact name</source>
        <translation>Имя контакта</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="46"/>
        <source>number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="47"/>
        <source>time</source>
        <translation>Время</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="50"/>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="175"/>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="40"/>
        <source>Phone number was added.</source>
        <translation>Номер телефона добавлен.</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="56"/>
        <source>Enter message</source>
        <translation>Введите текст SMS</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="58"/>
        <source>Message size has to be less than 256 characters</source>
        <translation>Текст SMS должен быть короче 256 символов</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="60"/>
        <source>Select receivers for sending message</source>
        <translation>Выберите получателей SMS</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="82"/>
        <source>Message has sended</source>
        <translation>SMS отправлено</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="74"/>
        <source>Your card number is %1 and pin is %2.</source>
        <translation>Номер вашей карты %1, PIN-код %2.</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="80"/>
        <source>Cannot get card number and pin for telephone number %1:.</source>
        <translation>Не удалось получить номер карты и PIN-код для номера телефона %1.</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="84"/>
        <source>Done</source>
        <comment>failure box</comment>
        <extracomment>The one button of the box that reports a refused card request.</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="25"/>
        <source>There is error at the query of call.</source>
        <translation>Ошибка при заказе звонка.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="40"/>
        <source>Message delivered</source>
        <translation>SMS доставлено</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="75"/>
        <location filename="../ui/serviceoutcomes.cpp" line="53"/>
        <source>Sms sending error.</source>
        <translation>Ошибка отправки SMS.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="58"/>
        <source>Message sending violation.</source>
        <translation>Отправка SMS запрещена.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="63"/>
        <source>The number wasn&apos;t found in the system.</source>
        <translation>Номер не найден в системе.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="68"/>
        <source>Billing not available.</source>
        <translation>Расчётная система недоступна.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="73"/>
        <source>Insufficient funds for the operation.</source>
        <translation>Недостаточно средств для операции.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="78"/>
        <source>Your account is blocked.</source>
        <translation>Ваш счёт заблокирован.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="51"/>
        <source>Saved</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="51"/>
        <source>Settings is not saved. Try once again.</source>
        <translation>Настройки не сохранены. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="81"/>
        <location filename="../ui/settingspages.cpp" line="183"/>
        <source>Network or method of connection isn&apos;t selected</source>
        <translation>Не выбраны сеть или способ соединения</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="275"/>
        <source>Improper information</source>
        <translation>Неверные данные</translation>
    </message>
    <message>
        <location filename="../ui/cardguard.cpp" line="20"/>
        <source>There is no virtual card. Enter it on the Virtual card page.</source>
        <translation>Нет виртуальной карты. Введите её на странице «Виртуальная карта».</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="219"/>
        <source>SIP: connecting...</source>
        <translation>SIP: подключение...</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="222"/>
        <source>SIP: online</source>
        <translation>SIP: в сети</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="225"/>
        <source>SIP: not registered (wrong card number or PIN)</source>
        <translation>SIP: не зарегистрирован (неверный номер карты или PIN)</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="228"/>
        <source>SIP: service unreachable</source>
        <translation>SIP: сервис недоступен</translation>
    </message>
</context>
<context>
    <name>RegistryDialog</name>
    <message>
        <location filename="../ui/registrydialog.cpp" line="12"/>
        <source>Zelvit</source>
        <translation>Zelvit</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="18"/>
        <source>Do you want to get the number of virtual card?</source>
        <translation>Хотите получить номер виртуальной карты?</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="19"/>
        <source>The number should be indicated in the format:</source>
        <translation>Номер телефона указывается в формате:</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="20"/>
        <source>- Russia: 7[number]</source>
        <translation>- Россия: 7[номер]</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="21"/>
        <source>- Foreign operator: 10[number with a code of a mobile operator]</source>
        <translation>- Иностранный оператор: 10[номер с кодом мобильного оператора]</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="23"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="24"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="31"/>
        <source>Enter your phone number:</source>
        <translation>Введите ваш номер телефона:</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="35"/>
        <source>Get</source>
        <translation>Получить</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="36"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
