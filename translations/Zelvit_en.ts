<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation>Main Menu</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="164"/>
        <location filename="../ui/mainwindow.ui" line="384"/>
        <location filename="../ui/mainwindow.ui" line="719"/>
        <source>Call</source>
        <translation>Call</translation>
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
        <translation>Balance</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="239"/>
        <location filename="../ui/mainwindow.ui" line="473"/>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="264"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="289"/>
        <location filename="../ui/mainwindow.ui" line="712"/>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="314"/>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="366"/>
        <source>Journal of calls</source>
        <translation>Journal of calls</translation>
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
        <translation>Back</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="486"/>
        <location filename="../ui/mainwindow.ui" line="940"/>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="493"/>
        <source>Interface language</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="500"/>
        <source>Virtual Card</source>
        <translation>Virtual card</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="507"/>
        <location filename="../ui/mainwindow.ui" line="705"/>
        <location filename="../ui/mainwindow.ui" line="1084"/>
        <location filename="../ui/mainwindow.ui" line="1249"/>
        <location filename="../ui/mainwindow.ui" line="1734"/>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="591"/>
        <source>Balance: </source>
        <translation>Balance: </translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="601"/>
        <location filename="../ui/balanceflow.cpp" line="34"/>
        <source>Loading...</source>
        <translation>Loading…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="672"/>
        <source>Call</source>
        <comment>call page heading</comment>
        <translation>Call</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="692"/>
        <source>Enter abonent number</source>
        <translation>Enter the number to call</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="728"/>
        <source>Call to another coutry</source>
        <translation>Call to another country</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="797"/>
        <source>INFO</source>
        <translation>Info</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;You will find more information on the operator&apos;s web site %1 and in the user&apos;s manual.&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="865"/>
        <source>Interface Language</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="875"/>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="882"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="963"/>
        <source>In home network</source>
        <translation>In home network</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="970"/>
        <source>Tone dialing</source>
        <translation>Tone dialling</translation>
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
        <translation>In national roaming</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="991"/>
        <source>In international rouming</source>
        <translation>In international roaming</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1096"/>
        <source>Fast search:</source>
        <translation>Fast search:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1113"/>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1143"/>
        <source>Virtual card</source>
        <translation>Virtual card</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1155"/>
        <source>Card number</source>
        <translation>Card number</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1165"/>
        <source>Access phone number</source>
        <translation>Access phone number</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1175"/>
        <source>PIN-code of card</source>
        <translation>Card PIN</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1185"/>
        <source>Your phone number</source>
        <translation>Your phone number</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1212"/>
        <source>Get a card</source>
        <translation>Get a card</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1259"/>
        <source>Select contacts</source>
        <translation>Select contacts</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1269"/>
        <source>Telephone and SIM</source>
        <translation>Telephone and SIM</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1276"/>
        <source>Telephone</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1286"/>
        <source>SIM</source>
        <translation>SIM</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1356"/>
        <source>Operation finished successful</source>
        <translation>Operation completed successfully</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1371"/>
        <source>phone number</source>
        <translation>phone number</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1497"/>
        <source>Try again</source>
        <translation>Try again</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1504"/>
        <source>Tone/SMS</source>
        <translation>Tone/SMS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1556"/>
        <source>Receivers</source>
        <translation>Receivers</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1574"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1581"/>
        <location filename="../ui/mainwindow.ui" line="1755"/>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1644"/>
        <source>Receivers:</source>
        <translation>Receivers:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1651"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1671"/>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1712"/>
        <source>Add Contact</source>
        <translation>Add receiver</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1727"/>
        <source>From Contact List:</source>
        <translation>From Contact List:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1745"/>
        <source>Manually:</source>
        <translation>Manually:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1786"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location filename="../ui/notices.cpp" line="11"/>
        <location filename="../ui/serviceoutcomes.cpp" line="84"/>
        <source>There is no connection.</source>
        <translation>There is no connection.</translation>
    </message>
    <message>
        <location filename="../ui/balanceflow.cpp" line="57"/>
        <source>Query of balance sent, look balance in incoming SMS.</source>
        <translation>Balance request sent. The balance will arrive by SMS.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="80"/>
        <location filename="../ui/callflow.cpp" line="114"/>
        <location filename="../ui/callflow.cpp" line="183"/>
        <location filename="../ui/messageflow.cpp" line="25"/>
        <location filename="../ui/serviceoutcomes.cpp" line="85"/>
        <source>Incorrect phone number.</source>
        <translation>Incorrect phone number.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="31"/>
        <location filename="../ui/callflow.cpp" line="92"/>
        <location filename="../ui/cardguard.cpp" line="31"/>
        <source>Enter phone number</source>
        <translation>Enter phone number</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="154"/>
        <location filename="../ui/serviceoutcomes.cpp" line="33"/>
        <source>Wait an incoming phone call from %1.</source>
        <extracomment>The operator calls the user back and then connects the call to %1.</extracomment>
        <translation>Wait for the operator to call you back and connect you with %1.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="183"/>
        <source>Format for SIP: sip:[number]</source>
        <translation>Format for SIP: sip:[number]</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="184"/>
        <source>Format for Phone: [number]</source>
        <translation>Format for Phone: [number]</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="194"/>
        <source>The SIP account is not ready yet. Try again in a moment.</source>
        <translation>The SIP account is not ready yet. Try again in a moment.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="204"/>
        <source>Waiting for the operator&apos;s answer...</source>
        <translation>Waiting for the operator&apos;s answer…</translation>
    </message>
    <message>
        <location filename="../ui/contactspage.cpp" line="111"/>
        <location filename="../ui/messageflow.cpp" line="32"/>
        <source>The same contact already exist in the list</source>
        <translation>This receiver is already in the list</translation>
    </message>
    <message>
        <location filename="../ui/contactspage.cpp" line="116"/>
        <source>Contact was added</source>
        <translation>Receiver added</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="44"/>
        <source>noname</source>
        <translation>no name</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="46"/>
        <source>Contact name</source>
        <translation>Contact name</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="46"/>
        <source>number</source>
        <translation>number</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="47"/>
        <source>time</source>
        <translation>time</translation>
    </message>
    <message>
        <location filename="../ui/journalpage.cpp" line="50"/>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="175"/>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="40"/>
        <source>Phone number was added.</source>
        <translation>Phone number was added.</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="56"/>
        <source>Enter message</source>
        <translation>Enter the message text</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="58"/>
        <source>Message size has to be less than 256 characters</source>
        <translation>The message must be shorter than 256 characters</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="60"/>
        <source>Select receivers for sending message</source>
        <translation>Choose the receivers of the message</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="82"/>
        <source>Message has sended</source>
        <translation>Message sent.</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="74"/>
        <source>Your card number is %1 and pin is %2.</source>
        <translation>Your card number is %1 and your PIN is %2.</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="80"/>
        <source>Cannot get card number and pin for telephone number %1:.</source>
        <translation>Cannot get a card number and PIN for the phone number %1.</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="84"/>
        <source>Done</source>
        <comment>failure box</comment>
        <extracomment>The one button of the box that reports a refused card request.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="25"/>
        <source>There is error at the query of call.</source>
        <translation>The call could not be ordered.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="40"/>
        <source>Message delivered</source>
        <translation>Message delivered.</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="75"/>
        <location filename="../ui/serviceoutcomes.cpp" line="53"/>
        <source>Sms sending error.</source>
        <translation>SMS sending failed.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="58"/>
        <source>Message sending violation.</source>
        <translation>The gateway refused the message.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="63"/>
        <source>The number wasn&apos;t found in the system.</source>
        <translation>The number wasn&apos;t found in the system.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="68"/>
        <source>Billing not available.</source>
        <translation>The billing system is not available.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="73"/>
        <source>Insufficient funds for the operation.</source>
        <translation>Insufficient funds for the operation.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="78"/>
        <source>Your account is blocked.</source>
        <translation>Your account is blocked.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="51"/>
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="51"/>
        <source>Settings is not saved. Try once again.</source>
        <translation>Settings were not saved. Please try again.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="81"/>
        <location filename="../ui/settingspages.cpp" line="183"/>
        <source>Network or method of connection isn&apos;t selected</source>
        <translation>Choose a network and a connection method.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="275"/>
        <source>Improper information</source>
        <translation>Please check the card details.</translation>
    </message>
    <message>
        <location filename="../ui/cardguard.cpp" line="20"/>
        <source>There is no virtual card. Enter it on the Virtual card page.</source>
        <translation>There is no virtual card. Enter it on the Virtual card page.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="219"/>
        <source>SIP: connecting...</source>
        <translation>SIP: connecting...</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="222"/>
        <source>SIP: online</source>
        <translation>SIP: online</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="225"/>
        <source>SIP: not registered (wrong card number or PIN)</source>
        <translation>SIP: not registered (wrong card number or PIN)</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="228"/>
        <source>SIP: service unreachable</source>
        <translation>SIP: service unreachable</translation>
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
        <translation>Would you like to get a virtual card?</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="19"/>
        <source>The number should be indicated in the format:</source>
        <translation>Enter your phone number in this format:</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="20"/>
        <source>- Russia: 7[number]</source>
        <translation>- Russia: 7[number]</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="21"/>
        <source>- Foreign operator: 10[number with a code of a mobile operator]</source>
        <translation>- Foreign operator: 10[number with the mobile operator&apos;s code]</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="23"/>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="24"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="31"/>
        <source>Enter your phone number:</source>
        <translation>Enter your phone number:</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="35"/>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <location filename="../ui/registrydialog.cpp" line="36"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
