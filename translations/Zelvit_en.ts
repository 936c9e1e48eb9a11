<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Zelvit</source>
        <translation>Zelvit</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Main Menu</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Sms</source>
        <translation>Sms</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Journal of calls</source>
        <translation>Journal of calls</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Virtual Card</source>
        <translation>Virtual Card</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Balance: </source>
        <translation>Balance: </translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Enter abonent number</source>
        <translation>Enter abonent number</translation>
    </message>
    <message>
        <source>Call to another coutry</source>
        <translation>Call to another coutry</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
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
        <source>Interface Language</source>
        <translation>Interface Language</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>In home network</source>
        <translation>In home network</translation>
    </message>
    <message>
        <source>Tone dialing</source>
        <translation>Tone dialing</translation>
    </message>
    <message>
        <source>GPRS/EDGE/WIFI</source>
        <translation>GPRS/EDGE/WIFI</translation>
    </message>
    <message>
        <source>In national rouming</source>
        <translation>In national rouming</translation>
    </message>
    <message>
        <source>In international rouming</source>
        <translation>In international rouming</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <source>Fast search:</source>
        <translation>Fast search:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Virtual card</source>
        <translation>Virtual card</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Card number</translation>
    </message>
    <message>
        <source>Access phone number</source>
        <translation>Access phone number</translation>
    </message>
    <message>
        <source>PIN-code of card</source>
        <translation>PIN-code of card</translation>
    </message>
    <message>
        <source>Your phone number</source>
        <translation>Your phone number</translation>
    </message>
    <message>
        <source>Select contacts</source>
        <translation>Select contacts</translation>
    </message>
    <message>
        <source>Telephone and SIM</source>
        <translation>Telephone and SIM</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>SIM</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>Operation finished successful</source>
        <translation>Operation finished successful</translation>
    </message>
    <message>
        <source>phone number</source>
        <translation>phone number</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>Tone/SMS</source>
        <translation>Tone/SMS</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>Receivers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Receivers:</source>
        <translation>Receivers:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Add Contact</translation>
    </message>
    <message>
        <source>From Contact List:</source>
        <translation>From Contact List:</translation>
    </message>
    <message>
        <source>Manually:</source>
        <translation>Manually:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>There is no connection.</source>
        <translation>There is no connection.</translation>
    </message>
    <message>
        <source>Query of balance sent, look balance in incoming SMS.</source>
        <translation>Query of balance sent, look balance in incoming SMS.</translation>
    </message>
    <message>
        <source>Incorrect phone number.</source>
        <translation>Incorrect phone number.</translation>
    </message>
    <message>
        <source>Enter phone number</source>
        <translation>Enter phone number</translation>
    </message>
    <message>
        <source>Wait an incoming phone call from %1.</source>
        <translation>Wait an incoming phone call from %1.</translation>
    </message>
    <message>
        <source>Format for SIP: sip:[number]</source>
        <translation>Format for SIP: sip:[number]</translation>
    </message>
    <message>
        <source>Format for Phone: [number]</source>
        <translation>Format for Phone: [number]</translation>
    </message>
    <message>
        <source>The same contact already exist in the list</source>
        <translation>The same contact already exist in the list</translation>
    </message>
    <message>
        <source>Contact was added</source>
        <translation>Contact was added</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>noname</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Contact name</translation>
    </message>
    <message>
        <source>number</source>
        <translation>number</translation>
    </message>
    <message>
        <source>time</source>
        <translation>time</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Phone number was added.</source>
        <translation>Phone number was added.</translation>
    </message>
    <message>
        <source>Enter message</source>
        <translation>Enter message</translation>
    </message>
    <message>
        <source>Message size has to be less than 256 characters</source>
        <translation>Message size has to be less than 256 characters</translation>
    </message>
    <message>
        <source>Select receivers for sending message</source>
        <translation>Select receivers for sending message</translation>
    </message>
    <message>
        <source>Message has sended</source>
        <translation>Message has sended</translation>
    </message>
    <message>
        <source>Your card number is %1 and pin is %2.</source>
        <translation>Your card number is %1 and pin is %2.</translation>
    </message>
    <message>
        <source>Cannot get card number and pin for telephone number %1:.</source>
        <translation>Cannot get card number and pin for telephone number %1:.</translation>
    </message>
    <message>
        <source>There is error at the query of call.</source>
        <translation>There is error at the query of call.</translation>
    </message>
    <message>
        <source>Message delivered</source>
        <translation>Message delivered</translation>
    </message>
    <message>
        <source>Sms sending error.</source>
        <translation>Sms sending error.</translation>
    </message>
    <message>
        <source>Message sending violation.</source>
        <translation>Message sending violation.</translation>
    </message>
    <message>
        <source>The number wasn&apos;t found in the system.</source>
        <translation>The number wasn&apos;t found in the system.</translation>
    </message>
    <message>
        <source>Billing not available.</source>
        <translation>Billing not available.</translation>
    </message>
    <message>
        <source>Insufficient funds for the operation.</source>
        <translation>Insufficient funds for the operation.</translation>
    </message>
    <message>
        <source>Your account is blocked.</source>
        <translation>Your account is blocked.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Settings is not saved. Try once again.</source>
        <translation>Settings is not saved. Try once again.</translation>
    </message>
    <message>
        <source>Network or method of connection isn&apos;t selected</source>
        <translation>Network or method of connection isn&apos;t selected</translation>
    </message>
    <message>
        <source>Improper information</source>
        <translation>Improper information</translation>
    </message>
    <message>
        <source>SIP: connecting...</source>
        <translation>SIP: connecting...</translation>
    </message>
    <message>
        <source>SIP: online</source>
        <translation>SIP: online</translation>
    </message>
    <message>
        <source>SIP: not registered (wrong card number or PIN)</source>
        <translation>SIP: not registered (wrong card number or PIN)</translation>
    </message>
    <message>
        <source>SIP: service unreachable</source>
        <translation>SIP: service unreachable</translation>
    </message>
</context>
<context>
    <name>NetworkManager</name>
    <message>
        <source>There is no connection.</source>
        <translation>There is no connection.</translation>
    </message>
    <message>
        <source>Incorrect phone number.</source>
        <translation>Incorrect phone number.</translation>
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
        <translation>Do you want to get the number of virtual card?</translation>
    </message>
    <message>
        <source>The number should be indicated in the format:</source>
        <translation>The number should be indicated in the format:</translation>
    </message>
    <message>
        <source>- Russia: 7[number]</source>
        <translation>- Russia: 7[number]</translation>
    </message>
    <message>
        <source>- Foreign operator: 10[number with a code of a mobile operator]</source>
        <translation>- Foreign operator: 10[number with a code of a mobile operator]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Enter your phone number:</source>
        <translation>Enter your phone number:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
