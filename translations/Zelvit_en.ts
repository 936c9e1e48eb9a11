<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation>Call</translation>
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
        <location filename="../ui/mainwindow.ui" line="797"/>
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
        <translation>Back</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="486"/>
        <location filename="../ui/mainwindow.ui" line="937"/>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="493"/>
        <location filename="../ui/mainwindow.ui" line="862"/>
        <source>Interface language</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="507"/>
        <location filename="../ui/mainwindow.ui" line="705"/>
        <location filename="../ui/mainwindow.ui" line="1081"/>
        <location filename="../ui/mainwindow.ui" line="1250"/>
        <location filename="../ui/mainwindow.ui" line="1735"/>
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
        <location filename="../ui/balanceflow.cpp" line="33"/>
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
        <location filename="../ui/mainwindow.ui" line="872"/>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="879"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="960"/>
        <source>In home network</source>
        <translation>In home network</translation>
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
        <translation>Call journal</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="692"/>
        <source>Enter the number to call</source>
        <translation>Enter the number to call</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="728"/>
        <source>International call</source>
        <translation>International call</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Zelvit version %2&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Before your first call:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;1. In Settings &amp;gt; Virtual card, enter your card number, your PIN and the number of the SIM card in this phone: 7 and the number for Russia (79160000000), or 10, the country code and the number for a foreign operator (1037250000000).&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;2. In Settings &amp;gt; Connection, choose where you are (home network, national or international roaming) and how to call.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;3. Quick access binds your virtual card to your phone number: remember which number it is. Some phones need quick access.&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;More information is on the operator&apos;s web site:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; white-space:pre;&quot;&gt;%1&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;and in the user&apos;s manual.&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="967"/>
        <source>Tone dialling</source>
        <translation>Tone dialling</translation>
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
        <translation>In national roaming</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="988"/>
        <source>In international roaming</source>
        <translation>In international roaming</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1162"/>
        <source>Access number</source>
        <translation>Access number</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1172"/>
        <source>Card PIN</source>
        <translation>Card PIN</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1260"/>
        <source>Contact source</source>
        <translation>Contact source</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1270"/>
        <source>Phone memory and SIM card</source>
        <translation>Phone memory and SIM card</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1277"/>
        <source>Phone memory</source>
        <translation>Phone memory</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1287"/>
        <source>SIM card</source>
        <translation>SIM card</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1357"/>
        <source>Operation completed successfully</source>
        <translation>Operation completed successfully</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1557"/>
        <source>Recipients</source>
        <translation>Recipients</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1645"/>
        <source>Recipients:</source>
        <translation>Recipients:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1713"/>
        <source>Add recipient</source>
        <translation>Add recipient</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1728"/>
        <source>From contacts:</source>
        <translation>From contacts:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1110"/>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="500"/>
        <location filename="../ui/mainwindow.ui" line="1140"/>
        <source>Virtual card</source>
        <translation>Virtual card</translation>
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
        <translation>Main menu</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1093"/>
        <source>Search:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1152"/>
        <source>Card number</source>
        <translation>Card number</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1186"/>
        <source>Your phone number</source>
        <translation>Your phone number</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1213"/>
        <source>Get a card</source>
        <translation>Get a card</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1372"/>
        <source>phone number</source>
        <translation>phone number</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1498"/>
        <source>Try again</source>
        <translation>Try again</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1505"/>
        <source>Tone/SMS</source>
        <translation>Tone/SMS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1575"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1582"/>
        <location filename="../ui/mainwindow.ui" line="1756"/>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1652"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1672"/>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1746"/>
        <source>Manually:</source>
        <translation>Manually:</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="1787"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location filename="../ui/notices.cpp" line="11"/>
        <location filename="../ui/serviceoutcomes.cpp" line="128"/>
        <source>There is no connection.</source>
        <translation>There is no connection.</translation>
    </message>
    <message>
        <location filename="../ui/balanceflow.cpp" line="54"/>
        <source>Query of balance sent, look balance in incoming SMS.</source>
        <translation>Balance request sent. The balance will arrive by SMS.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="88"/>
        <location filename="../ui/callflow.cpp" line="136"/>
        <location filename="../ui/callflow.cpp" line="218"/>
        <location filename="../ui/messageflow.cpp" line="25"/>
        <location filename="../ui/serviceoutcomes.cpp" line="129"/>
        <source>Incorrect phone number.</source>
        <translation>Incorrect phone number.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="31"/>
        <location filename="../ui/callflow.cpp" line="100"/>
        <location filename="../ui/cardguard.cpp" line="31"/>
        <source>Enter phone number</source>
        <translation>Enter a phone number.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="189"/>
        <location filename="../ui/serviceoutcomes.cpp" line="77"/>
        <source>Wait an incoming phone call from %1.</source>
        <extracomment>The operator calls the user back and then connects the call to %1.</extracomment>
        <translation>Wait for the operator to call you back and connect you with %1.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="218"/>
        <source>Format for SIP: sip:[number]</source>
        <translation>SIP format: sip:[number]</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="219"/>
        <source>Format for Phone: [number]</source>
        <translation>Phone format: [number]</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="227"/>
        <source>The SIP account is not ready yet. Try again in a moment.</source>
        <translation>The SIP account is not ready yet. Try again in a moment.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="256"/>
        <source>The number is busy.</source>
        <translation>The number is busy.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="259"/>
        <source>The call was declined.</source>
        <translation>The call was declined.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="262"/>
        <source>There was no answer.</source>
        <translation>There was no answer.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="265"/>
        <source>The number was not found. Check it and try again.</source>
        <translation>The number was not found. Check it and try again.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="268"/>
        <source>The SIP account is not registered. Check the card number and PIN in Settings &gt; Virtual card.</source>
        <translation>The SIP account is not registered. Check the card number and PIN in Settings &gt; Virtual card.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="271"/>
        <source>The call service cannot be reached. Try again later.</source>
        <translation>The call service cannot be reached. Try again later.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="274"/>
        <source>The call could not be placed.</source>
        <translation>The call could not be placed.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="292"/>
        <source>Waiting for the operator&apos;s answer...</source>
        <translation>Waiting for the operator&apos;s answer…</translation>
    </message>
    <message>
        <location filename="../ui/contactspage.cpp" line="111"/>
        <location filename="../ui/messageflow.cpp" line="32"/>
        <source>The same contact already exist in the list</source>
        <translation>This recipient is already in the list.</translation>
    </message>
    <message>
        <location filename="../ui/contactspage.cpp" line="116"/>
        <source>Contact was added</source>
        <translation>Recipient added.</translation>
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
        <location filename="../ui/messageflow.cpp" line="40"/>
        <source>Phone number was added.</source>
        <translation>Phone number added.</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="61"/>
        <source>Enter message</source>
        <translation>Enter the message text</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="63"/>
        <source>Message size has to be less than 256 characters</source>
        <translation>The message must be shorter than 256 characters</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="65"/>
        <source>Select receivers for sending message</source>
        <translation>Choose the recipients of the message</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="80"/>
        <location filename="../ui/serviceoutcomes.cpp" line="92"/>
        <source>The message could not be sent.</source>
        <translation>The message could not be sent.</translation>
    </message>
    <message>
        <location filename="../ui/messageflow.cpp" line="88"/>
        <source>Sending the message...</source>
        <translation>Sending the message…</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="64"/>
        <source>Your card number is %1 and pin is %2.</source>
        <translation>Your card number is %1 and your PIN is %2.</translation>
    </message>
    <message>
        <location filename="../ui/registration.cpp" line="70"/>
        <source>Cannot get card number and pin for telephone number %1:.</source>
        <translation>Could not get a card number and PIN for the phone number %1.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="26"/>
        <source>This card is blocked. Please contact the operator.</source>
        <translation>This card is blocked. Please contact the operator.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="28"/>
        <source>The card balance is too low. Top up the card and try again.</source>
        <translation>The card balance is too low. Top up the card and try again.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="18"/>
        <source>This card is unknown to the operator or blocked. Check the card number in Settings &gt; Virtual card.</source>
        <translation>This card is unknown to the operator or blocked. Check the card number in Settings &gt; Virtual card.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="21"/>
        <source>The PIN is wrong. Check it in Settings &gt; Virtual card.</source>
        <translation>The PIN is wrong. Check it in Settings &gt; Virtual card.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="23"/>
        <source>The card number or PIN is wrong. Check them in Settings &gt; Virtual card.</source>
        <translation>The card number or PIN is wrong. Check them in Settings &gt; Virtual card.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="30"/>
        <source>The operator could not process the request. Check the number and try again.</source>
        <translation>The operator could not process the request. Check the number and try again.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="34"/>
        <source>The operator&apos;s service is not available. Try again later.</source>
        <translation>The operator&apos;s service is not available. Try again later.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="48"/>
        <source>Could not get the balance.</source>
        <translation>Could not get the balance.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="68"/>
        <source>There is error at the query of call.</source>
        <translation>The call could not be ordered.</translation>
    </message>
    <message>
        <location filename="../ui/serviceoutcomes.cpp" line="84"/>
        <source>The operator accepted the message.</source>
        <translation>The operator accepted the message.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="51"/>
        <source>Saved</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="51"/>
        <source>Settings is not saved. Try once again.</source>
        <translation>Settings were not saved. Please try again.</translation>
    </message>
    <message>
        <location filename="../ui/callflow.cpp" line="89"/>
        <location filename="../ui/settingspages.cpp" line="184"/>
        <source>Network or method of connection isn&apos;t selected</source>
        <translation>Choose a network and a connection method.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="283"/>
        <source>Improper information</source>
        <translation>Please check the card details.</translation>
    </message>
    <message>
        <location filename="../ui/cardguard.cpp" line="20"/>
        <source>There is no virtual card. Enter it on the Virtual card page.</source>
        <translation>There is no virtual card. Enter it on the Virtual card page.</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="222"/>
        <source>SIP: connecting...</source>
        <translation>SIP: connecting…</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="225"/>
        <source>SIP: online</source>
        <translation>SIP: online</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="228"/>
        <source>SIP: not registered (wrong card number or PIN)</source>
        <translation>SIP: not registered (wrong card number or PIN)</translation>
    </message>
    <message>
        <location filename="../ui/settingspages.cpp" line="231"/>
        <source>SIP: service unreachable</source>
        <translation>SIP: service unreachable</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="173"/>
        <location filename="../ui/registration.cpp" line="73"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/navigation.cpp" line="27"/>
        <source>Close Zelvit?</source>
        <translation>Close Zelvit?</translation>
    </message>
    <message>
        <location filename="../ui/navigation.cpp" line="28"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../ui/navigation.cpp" line="29"/>
        <location filename="../ui/unsavedsettings.cpp" line="47"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../ui/unsavedsettings.cpp" line="43"/>
        <source>Save the changes on this page?</source>
        <translation>Save the changes on this page?</translation>
    </message>
    <message>
        <location filename="../ui/unsavedsettings.cpp" line="46"/>
        <source>Don&apos;t save</source>
        <translation>Don&apos;t save</translation>
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
<context>
    <name>UnableToCallBox</name>
    <message>
        <location filename="../ui/unabletocallbox.cpp" line="11"/>
        <source>Unable to call (%1)</source>
        <translation>Unable to call (%1)</translation>
    </message>
</context>
</TS>
