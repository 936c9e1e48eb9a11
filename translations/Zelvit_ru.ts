<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <source>Zelvit</source>
        <translation>Zelvit</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Позвонить</translation>
    </message>
    <message>
        <source>Sms</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Journal of calls</source>
        <translation>Журнал звонков</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Соединение</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>Virtual Card</source>
        <translation>Виртуальная карта</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Balance: </source>
        <translation>Баланс: </translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Enter abonent number</source>
        <translation>Введите номер абонента</translation>
    </message>
    <message>
        <source>Call to another coutry</source>
        <translation>Звонок в другую страну</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>СПРАВКА</translation>
    </message>
    <message>
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
        <source>Interface Language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>In home network</source>
        <translation>В домашней сети</translation>
    </message>
    <message>
        <source>Tone dialing</source>
        <translation>Тоновый набор</translation>
    </message>
    <message>
        <source>GPRS/EDGE/WIFI</source>
        <translation>GPRS/EDGE/WIFI</translation>
    </message>
    <message>
        <source>In national rouming</source>
        <translation>В национальном роуминге</translation>
    </message>
    <message>
        <source>In international rouming</source>
        <translation>В международном роуминге</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>SIP</source>
        <translation>SIP</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Fast search:</source>
        <translation>Быстрый поиск:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Virtual card</source>
        <translation>Виртуальная карта</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Номер карты</translation>
    </message>
    <message>
        <source>Access phone number</source>
        <translation>Номер доступа</translation>
    </message>
    <message>
        <source>PIN-code of card</source>
        <translation>PIN-код карты</translation>
    </message>
    <message>
        <source>Your phone number</source>
        <translation>Ваш номер телефона</translation>
    </message>
    <message>
        <source>Select contacts</source>
        <translation>Какие контакты показывать</translation>
    </message>
    <message>
        <source>Telephone and SIM</source>
        <translation>Телефон и SIM-карта</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>SIM</source>
        <translation>SIM-карта</translation>
    </message>
    <message>
        <source>Operation finished successful</source>
        <translation>Операция выполнена</translation>
    </message>
    <message>
        <source>phone number</source>
        <translation>номер телефона</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Tone/SMS</source>
        <translation>Тон/SMS</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Получатели</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Receivers:</source>
        <translation>Получатели:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Добавить получателя</translation>
    </message>
    <message>
        <source>From Contact List:</source>
        <translation>Из списка контактов:</translation>
    </message>
    <message>
        <source>Manually:</source>
        <translation>Вручную:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>There is no connection.</source>
        <translation>Нет соединения.</translation>
    </message>
    <message>
        <source>Query of balance sent, look balance in incoming SMS.</source>
        <translation>Запрос баланса отправлен, баланс придёт во входящем SMS.</translation>
    </message>
    <message>
        <source>Incorrect phone number.</source>
        <translation>Неверный номер телефона.</translation>
    </message>
    <message>
        <source>Enter phone number</source>
        <translation>Введите номер телефона</translation>
    </message>
    <message>
        <source>Wait an incoming phone call from %1.</source>
        <translation>Ожидайте входящий звонок с номера %1.</translation>
    </message>
    <message>
        <source>Format for SIP: sip:[number]</source>
        <translation>Формат для SIP: sip:[номер]</translation>
    </message>
    <message>
        <source>Format for Phone: [number]</source>
        <translation>Формат для телефона: [номер]</translation>
    </message>
    <message>
        <source>The same contact already exist in the list</source>
        <translation>Этот контакт уже есть в списке</translation>
    </message>
    <message>
        <source>Contact was added</source>
        <translation>Контакт добавлен</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>без имени</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Имя контакта</translation>
    </message>
    <message>
        <source>number</source>
        <translation>номер</translation>
    </message>
    <message>
        <source>time</source>
        <translation>время</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Phone number was added.</source>
        <translation>Номер телефона добавлен.</translation>
    </message>
    <message>
        <source>Enter message</source>
        <translation>Введите сообщение</translation>
    </message>
    <message>
        <source>Message size has to be less than 256 characters</source>
        <translation>Сообщение должно быть короче 256 символов</translation>
    </message>
    <message>
        <source>Select receivers for sending message</source>
        <translation>Выберите получателей сообщения</translation>
    </message>
    <message>
        <source>Message has sended</source>
        <translation>Сообщение отправлено</translation>
    </message>
    <message>
        <source>Your card number is %1 and pin is %2.</source>
        <translation>Номер вашей карты %1, PIN-код %2.</translation>
    </message>
    <message>
        <source>Cannot get card number and pin for telephone number %1:.</source>
        <translation>Не удалось получить номер карты и PIN-код для номера телефона %1.</translation>
    </message>
    <message>
        <source>There is error at the query of call.</source>
        <translation>Ошибка при заказе звонка.</translation>
    </message>
    <message>
        <source>Message delivered</source>
        <translation>Сообщение доставлено</translation>
    </message>
    <message>
        <source>Sms sending error.</source>
        <translation>Ошибка отправки сообщения.</translation>
    </message>
    <message>
        <source>Message sending violation.</source>
        <translation>Отправка сообщения запрещена.</translation>
    </message>
    <message>
        <source>The number wasn&apos;t found in the system.</source>
        <translation>Номер не найден в системе.</translation>
    </message>
    <message>
        <source>Billing not available.</source>
        <translation>Биллинг недоступен.</translation>
    </message>
    <message>
        <source>Insufficient funds for the operation.</source>
        <translation>Недостаточно средств для операции.</translation>
    </message>
    <message>
        <source>Your account is blocked.</source>
        <translation>Ваш счёт заблокирован.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>Settings is not saved. Try once again.</source>
        <translation>Настройки не сохранены. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Network or method of connection isn&apos;t selected</source>
        <translation>Не выбраны сеть или способ соединения</translation>
    </message>
    <message>
        <source>Improper information</source>
        <translation>Неверные данные</translation>
    </message>
    <message>
        <source>SIP: connecting...</source>
        <translation>SIP: подключение...</translation>
    </message>
    <message>
        <source>SIP: online</source>
        <translation>SIP: в сети</translation>
    </message>
    <message>
        <source>SIP: not registered (wrong card number or PIN)</source>
        <translation>SIP: не зарегистрирован (неверный номер карты или PIN)</translation>
    </message>
    <message>
        <source>SIP: service unreachable</source>
        <translation>SIP: сервис недоступен</translation>
    </message>
</context>
<context>
    <name>NetworkManager</name>
    <message>
        <source>There is no connection.</source>
        <translation>Нет соединения.</translation>
    </message>
    <message>
        <source>Incorrect phone number.</source>
        <translation>Неверный номер телефона.</translation>
    </message>
</context>
<context>
    <name>RegistryDialog</name>
    <message>
        <source>Zelvit</source>
        <translation>Zelvit</translation>
    </message>
    <message>
        <source>Do you want to get the number of virtual card?</source>
        <translation>Хотите получить номер виртуальной карты?</translation>
    </message>
    <message>
        <source>The number should be indicated in the format:</source>
        <translation>Номер телефона указывается в формате:</translation>
    </message>
    <message>
        <source>- Russia: 7[number]</source>
        <translation>- Россия: 7[номер]</translation>
    </message>
    <message>
        <source>- Foreign operator: 10[number with a code of a mobile operator]</source>
        <translation>- иностранный оператор: 10[номер с кодом мобильного оператора]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Enter your phone number:</source>
        <translation>Введите ваш номер телефона:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Получить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
