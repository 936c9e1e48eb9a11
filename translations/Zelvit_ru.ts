<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.ui" line="32"/>
        <location filename="../ui/mainwindow.cpp" line="170"/>
        <location filename="../ui/navigation.cpp" line="27"/>
        <location filename="../ui/registration.cpp" line="69"/>
        <location filename="../ui/unsavedsettings.cpp" line="43"/>
        <source>Zelvit</source>
        <translation>Zelvit</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="164"/>
        <location filename="../ui/mainwindow.ui" line="384"/>
        <location filename="../ui/mainwindow.ui" line="719"/>
        <source>Call</source>
        <translation>Позвонить</translation>
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
        <location filename="../ui/mainwindow.ui" line="797"/>
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
        <location filename="../ui/mainwindow.ui" line="391"/>
        <location filename="../ui/mainwindow.ui" line="914"/>
        <location filename="../ui/mainwindow.ui" line="1058"/>
        <location filename="../ui/mainwindow.ui" line="1117"/>
        <location filename="../ui/mainwindow.ui" line="1227"/>
        <location filename="../ui/mainwindow.ui" line="1316"/>
        <location filename="../ui/mainwindow.ui" line="1419"/>
        <location filename="../ui/mainwindow.ui" line="1516"/>
        <location filename="../ui/mainwindow.ui" line="1589"/>
        <location filename="../ui/mainwindow.ui" line="1780"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="486"/>
        <location filename="../ui/mainwindow.ui" line="937"/>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="493"/>
        <location filename="../ui/mainwindow.ui" line="862"/>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="507"/>
        <location filename="../ui/mainwindow.ui" line="705"/>
        <location filename="../ui/mainwindow.ui" line="1081"/>
        <location filename="../ui/mainwindow.ui" line="1250"/>
        <location filename="../ui/mainwindow.ui" line="1735"/>
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
        <location filename="../ui/balanceflow.cpp" line="33"/>
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
        <location filename="../ui/mainwindow.ui" line="872"/>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="879"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="960"/>
        <source>In home network</source>
        <translation>В домашней сети</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="189"/>
        <location filename="../ui/mainwindow.ui" line="995"/>
        <location filename="../ui/mainwindow.ui" line="1623"/>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="366"/>
        <source>Call journal</source>
        <translation>Журнал звонков</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="692"/>
        <source>Enter the number to call</source>
        <translation>Введите номер абонента</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="728"/>
        <source>International call</source>
        <translation>Международный звонок</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Zelvit version %2&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Before your first call:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;1. In Settings &amp;gt; Virtual card, enter your card number, your PIN and the number of the SIM card in this phone: 7 and the number for Russia (79160000000), or 10, the country code and the number for a foreign operator (1037250000000).&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;2. In Settings &amp;gt; Connection, choose where you are (home network, national or international roaming) and how to call.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;3. Quick access binds your virtual card to your phone number: remember which number it is. Some phones need quick access.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;More information is on the operator&apos;s web site:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; white-space:pre;&quot;&gt;%1&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;and in the user&apos;s manual.&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;table border=&quot;0&quot; style=&quot;-qt-table-type: root; margin-top:4px; margin-bottom:4px; margin-left:4px; margin-right:4px;&quot;&gt;
&lt;tr&gt;
&lt;td style=&quot;border: none;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Zelvit, версия %2&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Перед первым звонком:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;1. В разделе «Настройки» &amp;gt; «Виртуальная карта» введите номер карты, PIN-код и номер SIM-карты этого телефона: для России — 7 и номер (79160000000), для иностранного оператора — 10, код страны и номер (1037250000000).&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;2. В разделе «Настройки» &amp;gt; «Подключение» укажите, где вы находитесь (домашняя сеть, национальный или международный роуминг), и выберите способ звонка.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;3. Быстрый доступ привязывает виртуальную карту к вашему номеру телефона: запомните, к какому. На некоторых моделях телефонов он обязателен.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Подробнее — на сайте оператора:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; white-space:pre;&quot;&gt;%1&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;и в руководстве пользователя.&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="967"/>
        <source>Tone dialling</source>
        <translation>Тоновый набор</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="974"/>
        <location filename="../ui/mainwindow.ui" line="1002"/>
        <source>GPRS/EDGE/Wi-Fi</source>
        <translation>GPRS/EDGE/Wi-Fi</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="981"/>
        <source>In national roaming</source>
        <translation>В национальном роуминге</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="988"/>
        <source>In international roaming</source>
        <translation>В международном роуминге</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1009"/>
        <source>SIP</source>
        <translation>SIP</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1051"/>
        <location filename="../ui/mainwindow.ui" line="1220"/>
        <location filename="../ui/mainwindow.ui" line="1309"/>
        <location filename="../ui/unsavedsettings.cpp" line="45"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1162"/>
        <source>Access number</source>
        <translation>Номер доступа</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1172"/>
        <source>Card PIN</source>
        <translation>PIN-код карты</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1260"/>
        <source>Contact source</source>
        <translation>Источник контактов</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1270"/>
        <source>Phone memory and SIM card</source>
        <translation>Память телефона и SIM-карта</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1277"/>
        <source>Phone memory</source>
        <translation>Память телефона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1287"/>
        <source>SIM card</source>
        <translation>SIM-карта</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1357"/>
        <source>Operation completed successfully</source>
        <translation>Операция выполнена</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1557"/>
        <source>Recipients</source>
        <translation>Получатели</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1645"/>
        <source>Recipients:</source>
        <translation>Получатели:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1713"/>
        <source>Add recipient</source>
        <translation>Добавить получателя</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1728"/>
        <source>From contacts:</source>
        <translation>Из контактов:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1110"/>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="500"/>
        <location filename="../ui/mainwindow.ui" line="1140"/>
        <source>Virtual card</source>
        <translation>Виртуальная карта</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="149"/>
        <location filename="../ui/mainwindow.ui" line="398"/>
        <location filename="../ui/mainwindow.ui" line="439"/>
        <location filename="../ui/mainwindow.ui" line="542"/>
        <location filename="../ui/mainwindow.ui" line="638"/>
        <location filename="../ui/mainwindow.ui" line="763"/>
        <location filename="../ui/mainwindow.ui" line="846"/>
        <location filename="../ui/mainwindow.ui" line="921"/>
        <location filename="../ui/mainwindow.ui" line="1065"/>
        <location filename="../ui/mainwindow.ui" line="1124"/>
        <location filename="../ui/mainwindow.ui" line="1234"/>
        <location filename="../ui/mainwindow.ui" line="1323"/>
        <location filename="../ui/mainwindow.ui" line="1426"/>
        <location filename="../ui/mainwindow.ui" line="1523"/>
        <location filename="../ui/mainwindow.ui" line="1679"/>
        <source>Main menu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1093"/>
        <source>Search:</source>
        <translation>Поиск:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1152"/>
        <source>Card number</source>
        <translation>Номер карты</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1186"/>
        <source>Your phone number</source>
        <translation>Ваш номер телефона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1213"/>
        <source>Get a card</source>
        <translation>Получить карту</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1372"/>
        <source>phone number</source>
        <translation>номер телефона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1379"/>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1460"/>
        <location filename="../ui/mainwindow.ui" line="1473"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1498"/>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1505"/>
        <source>Tone/SMS</source>
        <translation>Тоновый набор/SMS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1575"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1582"/>
        <location filename="../ui/mainwindow.ui" line="1756"/>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1652"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1672"/>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1746"/>
        <source>Manually:</source>
        <translation>Вручную:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1787"/>
        <source>Message</source>
        <translation>SMS</translation>
    </message>
    <message>
        <location filename="../ui/notices.cpp" line="11"/>
        <location filename="../ui/serviceoutcomes.cpp" line="128"/>
        <source>There is no connection.</source>
        <translation>Нет соединения.</translation>
    </message>
    <message>
        <location filename="../ui/balanceflow.cpp" line="54"/>
        <source>Query of balance sent, look balance in incoming SMS.</source>
        <translation>Запрос баланса отправлен, баланс придёт во входящем SMS.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="88"/>
        <location filename="../ui/callflow.cpp" line="136"/>
        <location filename="../ui/callflow.cpp" line="218"/>
        <location filename="../ui/messageflow.cpp" line="25"/>
        <location filename="../ui/serviceoutcomes.cpp" line="129"/>
        <source>Incorrect phone number.</source>
        <translation>Неверный номер телефона.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="31"/>
        <location filename="../ui/callflow.cpp" line="100"/>
        <location filename="../ui/cardguard.cpp" line="31"/>
        <source>Enter phone number</source>
        <translation>Введите номер телефона.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="189"/>
        <location filename="../ui/serviceoutcomes.cpp" line="77"/>
        <source>Wait an incoming phone call from %1.</source>
        <extracomment>The operator calls the user back and then connects the call to %1.</extracomment>
        <translation>Ожидайте обратного звонка для соединения с %1.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="218"/>
        <source>Format for SIP: sip:[number]</source>
        <translation>Формат для SIP: sip:[номер]</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="219"/>
        <source>Format for Phone: [number]</source>
        <translation>Формат для телефона: [номер]</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="227"/>
        <source>The SIP account is not ready yet. Try again in a moment.</source>
        <translation>SIP-аккаунт ещё не готов. Повторите через несколько секунд.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="256"/>
        <source>The number is busy.</source>
        <translation>Абонент занят.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="259"/>
        <source>The call was declined.</source>
        <translation>Абонент отклонил звонок.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="262"/>
        <source>There was no answer.</source>
        <translation>Абонент не отвечает.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="265"/>
        <source>The number was not found. Check it and try again.</source>
        <translation>Номер не найден. Проверьте его и позвоните ещё раз.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="268"/>
        <source>The SIP account is not registered. Check the card number and PIN in Settings &gt; Virtual card.</source>
        <translation>SIP-аккаунт не зарегистрирован. Проверьте номер карты и PIN-код в разделе «Настройки» &gt; «Виртуальная карта».</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="271"/>
        <source>The call service cannot be reached. Try again later.</source>
        <translation>Служба звонков недоступна. Попробуйте позже.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="274"/>
        <source>The call could not be placed.</source>
        <translation>Не удалось позвонить.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="292"/>
        <source>Waiting for the operator&apos;s answer...</source>
        <translation>Ожидание ответа оператора…</translation>
    </message>
    <message>
        <location filename="../ui/contactspage.cpp" line="111"/>
        <location filename="../ui/messageflow.cpp" line="32"/>
        <source>The same contact already exist in the list</source>
        <translation>Этот получатель уже есть в списке.</translation>
    </message>
    <message>
        <location filename="../ui/contactspage.cpp" line="116"/>
        <source>Contact was added</source>
        <translation>Получатель добавлен.</translation>
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
        <location filename="../ui/messageflow.cpp" line="40"/>
        <source>Phone number was added.</source>
        <translation>Номер телефона добавлен.</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="61"/>
        <source>Enter message</source>
        <translation>Введите текст SMS</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="63"/>
        <source>Message size has to be less than 256 characters</source>
        <translation>Текст SMS должен быть короче 256 символов</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="65"/>
        <source>Select receivers for sending message</source>
        <translation>Выберите получателей SMS</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="80"/>
        <location filename="../ui/serviceoutcomes.cpp" line="92"/>
        <source>The message could not be sent.</source>
        <translation>Не удалось отправить SMS.</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="88"/>
        <source>Sending the message...</source>
        <translation>SMS отправляется…</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="64"/>
        <source>Your card number is %1 and pin is %2.</source>
        <translation>Номер вашей карты %1, PIN-код %2.</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="70"/>
        <source>Cannot get card number and pin for telephone number %1:.</source>
        <translation>Не удалось получить номер карты и PIN-код для номера телефона %1.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="26"/>
        <source>This card is blocked. Please contact the operator.</source>
        <translation>Карта заблокирована. Обратитесь к оператору.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="28"/>
        <source>The card balance is too low. Top up the card and try again.</source>
        <translation>На карте недостаточно средств. Пополните баланс и повторите попытку.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="18"/>
        <source>This card is unknown to the operator or blocked. Check the card number in Settings &gt; Virtual card.</source>
        <translation>Карта не найдена у оператора или заблокирована. Проверьте номер карты в разделе «Настройки» &gt; «Виртуальная карта».</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="21"/>
        <source>The PIN is wrong. Check it in Settings &gt; Virtual card.</source>
        <translation>Неверный PIN-код. Проверьте его в разделе «Настройки» &gt; «Виртуальная карта».</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="23"/>
        <source>The card number or PIN is wrong. Check them in Settings &gt; Virtual card.</source>
        <translation>Неверный номер карты или PIN-код. Проверьте их в разделе «Настройки» &gt; «Виртуальная карта».</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="30"/>
        <source>The operator could not process the request. Check the number and try again.</source>
        <translation>Оператор не смог обработать запрос. Проверьте номер и повторите попытку.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="34"/>
        <source>The operator&apos;s service is not available. Try again later.</source>
        <translation>Сервис оператора недоступен. Попробуйте позже.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="48"/>
        <source>Could not get the balance.</source>
        <translation>Не удалось узнать баланс.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="68"/>
        <source>There is error at the query of call.</source>
        <translation>Ошибка при заказе звонка.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="84"/>
        <source>The operator accepted the message.</source>
        <translation>Оператор принял SMS.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="51"/>
        <source>Saved</source>
        <translation>Сохранено.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="51"/>
        <source>Settings is not saved. Try once again.</source>
        <translation>Настройки не сохранены. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="89"/>
        <location filename="../ui/settingspages.cpp" line="184"/>
        <source>Network or method of connection isn&apos;t selected</source>
        <translation>Выберите сеть и способ подключения.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="283"/>
        <source>Improper information</source>
        <translation>Проверьте данные карты.</translation>
    </message>
    <message>
        <location filename="../ui/cardguard.cpp" line="20"/>
        <source>There is no virtual card. Enter it on the Virtual card page.</source>
        <translation>Нет виртуальной карты. Введите её на странице «Виртуальная карта».</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="222"/>
        <source>SIP: connecting...</source>
        <translation>SIP: подключение…</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="225"/>
        <source>SIP: online</source>
        <translation>SIP: в сети</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="228"/>
        <source>SIP: not registered (wrong card number or PIN)</source>
        <translation>SIP: не зарегистрирован (неверный номер карты или PIN)</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="231"/>
        <source>SIP: service unreachable</source>
        <translation>SIP: сервис недоступен</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="173"/>
        <location filename="../ui/registration.cpp" line="73"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../ui/navigation.cpp" line="27"/>
        <source>Close Zelvit?</source>
        <translation>Закрыть Zelvit?</translation>
    </message>
    <message>
        <location filename="../ui/navigation.cpp" line="28"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location filename="../ui/navigation.cpp" line="29"/>
        <location filename="../ui/unsavedsettings.cpp" line="47"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../ui/unsavedsettings.cpp" line="43"/>
        <source>Save the changes on this page?</source>
        <translation>Сохранить изменения на этой странице?</translation>
    </message>
    <message>
        <location filename="../ui/unsavedsettings.cpp" line="46"/>
        <source>Don&apos;t save</source>
        <translation>Не сохранять</translation>
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
<context>
    <name>UnableToCallBox</name>
    <message>
        <location filename="../ui/unabletocallbox.cpp" line="11"/>
        <source>Unable to call (%1)</source>
        <translation>Не удалось позвонить (%1)</translation>
    </message>
</context>
</TS>
