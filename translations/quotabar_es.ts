<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccountRows</name>
    <message>
        <source>%1 sign-in in %2</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex), %2 the folder holding its sign-in</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session key above</source>
        <extracomment>An account&apos;s source: the session key typed in the field above the list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasted key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key imported from a browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another organisation of the same sign-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another workspace of the same sign-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sign-in in this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs the first account&apos;s sign-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No key stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not answered yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden — not asked</source>
        <extracomment>An account hidden from the panel is not asked for its usage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused — sign in again or use a new key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected · %1</source>
        <extracomment>%1 is the account&apos;s plan as the service names it (Pro, Max, Plus)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste a Key…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountsBlock</name>
    <message>
        <source>ACCOUNTS</source>
        <extracomment>The heading of the list of one provider&apos;s accounts, in capitals like the other section headings</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Account…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this account in the panel and the menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown</source>
        <extracomment>What a screen reader calls the check box that shows an account in the panel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>What a screen reader calls the field holding an account&apos;s name
----------
The account&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>A small button that asks the account&apos;s service for its usage now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the service now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1 Account</source>
        <extracomment>%1 is the provider (Claude, ChatGPT)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work, Personal…</source>
        <extracomment>Example names for an account</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter sessionKey</source>
        <extracomment>sessionKey is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter __Secure-next-auth.session-token</source>
        <extracomment>__Secure-next-auth.session-token is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The session key the account signs in with</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the account with the pasted key</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserCookies</name>
    <message>
        <source>The cookies of %1 could not be read: %2.</source>
        <extracomment>%1 is a browser profile (&quot;Firefox (default-release)&quot;), %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown browser &apos;%1&apos;: name one of %2, with -flatpak or -snap for those installs.</source>
        <extracomment>The command line&apos;s answer to a browser name it does not know: %1 that name, %2 the names it knows (&quot;firefox, chromium, …&quot;). The names and -flatpak, -snap are typed as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No %1 profile was found.</source>
        <extracomment>%1 is a browser&apos;s name as typed on the command line (&quot;firefox&quot;, &quot;chromium-snap&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no profile &apos;%2&apos;; its profiles: %3.</source>
        <extracomment>%1 is a browser&apos;s name as typed on the command line, %2 the profile asked for, %3 its profiles</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not signed in to %2: sign in there first.</source>
        <extracomment>%1 is a browser profile (&quot;Firefox (default-release)&quot;), %2 the site (claude.ai)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no keyring is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps its cookie key behind the desktop portal, out of other programs&apos; reach: paste the %2 cookie&apos;s value instead.</source>
        <extracomment>%1 is a browser profile, %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 cookie in %2 is encrypted in a way Quotabar does not know: paste its value instead.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps its cookie password in the desktop keyring, which stayed locked: import again and unlock it when asked, or paste the %2 cookie&apos;s value instead.</source>
        <extracomment>%1 is a browser (Google Chrome), %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps its cookie password in the desktop keyring, which did not give it (%2).</source>
        <extracomment>%1 is a browser (Google Chrome), %2 why the keyring did not give the password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 cookie in %2 could not be decrypted with %3&apos;s password; nothing was stored.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;), %3 the browser (Chromium)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 cookie in %2 does not hold a usable value; nothing was stored.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserCookiesPlugin</name>
    <message>
        <source>The browser import could not be loaded: %1</source>
        <extracomment>%1 is the reason the system gives for not loading the import&apos;s library</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserImport</name>
    <message>
        <source>until the browser closes</source>
        <extracomment>How long a browser&apos;s sign-in lasts when it has no end date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expired %1</source>
        <extracomment>%1 is the date and time a browser&apos;s sign-in ended</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expires %1</source>
        <extracomment>%1 is the date and time a browser&apos;s sign-in ends</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import %1 Key from Browser</source>
        <extracomment>The import window&apos;s title; %1 is the provider (Claude, ChatGPT)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserImportDialog</name>
    <message>
        <source>Quotabar reads a copy of the browser&apos;s cookies once, now, and keeps only the sign-in you choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Imports the sign-in of the chosen browser profile</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartPlugin</name>
    <message>
        <source>The chart could not be loaded: %1</source>
        <extracomment>%1 is the reason the system gives for not loading the chart&apos;s library</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CookieDatabase</name>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no private temporary folder: %1</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;; %1 is the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot copy %1: %2</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;; %1 is a file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CredentialSource</name>
    <message>
        <source>%1 sign-in expired — run %2 to sign in again</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex), %2 the command that signs in again (&quot;claude&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CredentialStore</name>
    <message>
        <source>Stored in the keyring</source>
        <extracomment>Where a key is kept: the desktop&apos;s keyring (Secret Service, KWallet)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored in a file only you can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored in the keyring, which is locked: unlock it to use this key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CredentialTest</name>
    <message>
        <source>Session expired - import again from %1</source>
        <extracomment>%1 is a browser profile, e.g. &quot;Firefox (default-release)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>The key was tried and the service answered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session expired - check your key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported from %1</source>
        <extracomment>%1 is a browser profile, e.g. &quot;Firefox (default-release)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found your %1 sign-in — use it</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using your %1 sign-in</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asked to wait · next try in %1</source>
        <extracomment>The service asked to be left alone; %1 is how long until it is asked again (&quot;4 min&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayFormats</name>
    <message>
        <source>Session &amp; Weekly</source>
        <extracomment>A choice of what the panel shows: the session and weekly figures</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session Only</source>
        <extracomment>A choice of what the panel shows: the session figure alone</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly Only</source>
        <extracomment>A choice of what the panel shows: the weekly figure alone</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session &amp; Timer</source>
        <extracomment>A choice of what the panel shows: the session figure and the time to its reset</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly &amp; Timer</source>
        <extracomment>A choice of what the panel shows: the weekly figure and the time to its reset</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryChartPane</name>
    <message>
        <source>%1: %2 left
%3</source>
        <extracomment>A chart point&apos;s tooltip: %1 the line (&quot;Session&quot;), %2 the percentage left, %3 the record&apos;s day and time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 usage chart</source>
        <extracomment>What a screen reader calls the chart; %1 is the provider (Claude, ChatGPT)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits reached</source>
        <extracomment>The heading of the list of times a limit was used up</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;), %2 how it stands against the even pace</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No limit reached in the last 24 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No limit reached in the last 7 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No current period to pace.</source>
        <extracomment>Shown in place of the pace when no limit has a period running</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pace</source>
        <extracomment>The chart&apos;s legend: the even pace line of a limit; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 resets</source>
        <extracomment>The chart&apos;s legend: the marks where a limit reset; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reset</source>
        <extracomment>A reset mark&apos;s tooltip, over its day and time; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>24 Hours</source>
        <extracomment>The span the history window shows: the last 24 hours, or the last 7 days</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The save dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWindowController</name>
    <message>
        <source>Quotabar — Usage History</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Illustrations</name>
    <message>
        <source>S:72%  W:45%</source>
        <extracomment>A sample panel item: S is the session (five-hour) limit, W the weekly one, as the panel&apos;s own labels abbreviate them; keep the two spaces between them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your remaining tokens</source>
        <extracomment>The callout pointing at the sample panel item</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developer Tools — %1</source>
        <extracomment>The title of a sample browser developer tools window; %1 is the site (claude.ai)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Console</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage</source>
        <extracomment>A section of the developer tools&apos; Application tab, as the browser names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cookies</source>
        <extracomment>The cookies list under Storage in the developer tools, as the browser names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column heading of the developer tools&apos; cookie table</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>A column heading of the developer tools&apos; cookie table</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>The request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response too large</source>
        <extracomment>A service&apos;s answer was bigger than any usage answer can be</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoticesGroup</name>
    <message>
        <source>Notify when usage runs low</source>
        <extracomment>Followed by two pickers of the percentages left that each bring a notice</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify when a limit resets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify when a limit is available again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify when a key expires</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnboardingPages</name>
    <message>
        <source>Ctrl+Shift+I</source>
        <extracomment>The keys that open a browser&apos;s developer tools, as the keyboard labels them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Preferences →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Quotabar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A free, native %1 menu bar app that shows how much of your Claude and ChatGPT limits remain — at a glance, any time.</source>
        <extracomment>%1 is the operating system (Linux)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always Visible. Always Current.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quotabar shows the percentage of your session and weekly limits that remain — directly in the menu bar. 100% means fresh. 0% means used up. No app-switching required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Your Claude Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open %1 in your browser, press %2 to open DevTools, go to Application → Cookies → %1, and copy the value of sessionKey. Paste it in Preferences.</source>
        <extracomment>%1 is the site (claude.ai), %2 the keys that open the developer tools. Application and Cookies are what the browser&apos;s developer tools call them; sessionKey is the cookie&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Your ChatGPT Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open %1 in your browser, press %2, go to Application → Cookies → %1, and copy __Secure-next-auth.session-token. Paste it in Preferences.</source>
        <extracomment>%1 is the site (chatgpt.com), %2 the keys that open the developer tools. Application and Cookies are what the browser&apos;s developer tools call them; the cookie&apos;s name stays as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re All Set!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quotabar lives in your menu bar and updates automatically. Click it any time to see a detailed breakdown, change settings, or refresh your data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found your %1 sign-in — use it in Preferences.</source>
        <extracomment>%1 is a command-line tool (Claude Code, Codex)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of names, e.g. &quot;Claude Code and Codex&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found your %1 sign-ins — use them in Preferences.</source>
        <extracomment>%1 lists command-line tools, e.g. &quot;Claude Code and Codex&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Goes back one page of the welcome guide</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Goes on to the next page of the welcome guide</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Closes the welcome guide on its last page</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnboardingWindowController</name>
    <message>
        <source>Welcome to Quotabar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelStyles</name>
    <message>
        <source>Automatic</source>
        <extracomment>A panel style: chosen for the desktop&apos;s panel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo and text</source>
        <extracomment>A panel style: each provider&apos;s logo with its figures written beside it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures in icon</source>
        <extracomment>A panel style: the figures drawn inside the icon, for panels that show no text</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesModel</name>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Enter sessionKey</source>
        <extracomment>sessionKey is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter __Secure-next-auth.session-token</source>
        <extracomment>__Secure-next-auth.session-token is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to get your Claude key →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to get your ChatGPT key →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose AI Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>A section heading; its row picks what the panel item shows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in menu bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel style</source>
        <extracomment>Picks how the panel item looks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One per provider</source>
        <extracomment>One panel item for each provider, or for each account</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One per account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>A section heading; its row picks how often usage is asked for, &quot;Check every&quot; &quot;5 minutes&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>A section heading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The button that stores the key typed beside it and tries it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from Browser…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the sign-in from a browser where you are signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the stored key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a session key instead</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeStorageKeyring</name>
    <message>
        <source>no session bus</source>
        <extracomment>Why the desktop keyring could not be asked: there is no session D-Bus</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Secret Service does not answer</source>
        <extracomment>The Secret Service is the desktop keyring&apos;s D-Bus service: keep its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyring holding %1 stayed locked</source>
        <extracomment>%1 is the keyring item&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyring holds no %1</source>
        <extracomment>%1 is the keyring item&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KWallet does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wallet %1 is closed</source>
        <extracomment>%1 is the KWallet wallet&apos;s name (&quot;kdewallet&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KWallet did not open %1</source>
        <extracomment>%1 is the KWallet wallet&apos;s name (&quot;kdewallet&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wallet holds no %1</source>
        <extracomment>%1 is the wallet entry&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SecretField</name>
    <message>
        <source>Show the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDefaultsStore</name>
    <message>
        <source>The settings could not be written to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInCookie</name>
    <message>
        <source>The %1 sign-in in %2 expired on %3: sign in to %1 there again.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Firefox (default-release)&quot;), %3 a date and time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profile of Firefox, LibreWolf, Chromium, Google Chrome, Brave, Microsoft Edge or Vivaldi was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No browser profile is signed in to %1 (no %2 cookie): sign in there first.</source>
        <extracomment>%1 is the site (claude.ai), %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBusClient</name>
    <message>
        <source>cannot make a pipe for the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot hand the key over</source>
        <extracomment>The key could not be written into the pipe that hands it to the running program</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBusObject</name>
    <message>
        <source>not available</source>
        <extracomment>The running program&apos;s answer to an account change it cannot make; the command line prints it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key could not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>Session</source>
        <extracomment>The five-hour limit&apos;s name in the history window, as in &quot;Session: 72% left&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day limit&apos;s name in the history window, as in &quot;Weekly: 45% left&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Ahead of pace · %n points to spare</source>
        <extracomment>How the usage left stands against an even spread over the period; %n is percentage points more left than that. Keep &quot; · &quot;: the screen reader&apos;s summary reads it as a comma.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind pace · %n points short</source>
        <extracomment>%n is percentage points fewer left than an even spread over the period would leave</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>On pace</source>
        <extracomment>The usage left is near what an even spread over the period would leave</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session limit reached %1</source>
        <extracomment>%1 is when the limit was used up, e.g. &quot;Tue 14:05&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly limit reached %1</source>
        <extracomment>%1 is when the limit was used up, e.g. &quot;Tue 14:05&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · reset time unknown</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · available again %2</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one, %2 when it came back (&quot;16:00&quot;, &quot;Wed 09:00&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · available again at %2</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one, %2 when it comes back (&quot;16:00&quot;, &quot;Wed 09:00&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no records in the last 24 hours.</source>
        <extracomment>Read by a screen reader; %1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no records in the last 7 days.</source>
        <extracomment>Read by a screen reader; %1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n resets</source>
        <extracomment>How many times the limit was reset in the span, read by a screen reader</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 reset</source>
        <extracomment>The limit was reset once in the span, read by a screen reader</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 24 hours; %5.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 7 days; %5.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 24 hours; %5; %6.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;, %6 the pace (&quot;Ahead of pace, 12 points to spare&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 7 days; %5; %6.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;, %6 the pace (&quot;Ahead of pace, 12 points to spare&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The program&apos;s path holds %, \ or a control character, which autostart entries cannot start; move Quotabar to another folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
