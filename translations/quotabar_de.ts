<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccountEdits</name>
    <message>
        <source>add-same-sign-in takes a provider, an organisation or workspace id and a label</source>
        <extracomment>&quot;add-same-sign-in&quot; is a command&apos;s name: keep it as it is</extracomment>
        <translation>add-same-sign-in erwartet einen Anbieter, eine Organisations- oder Arbeitsbereichs-ID und eine Bezeichnung</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an organisation or workspace id</source>
        <extracomment>%1 is what was given as an organisation&apos;s or workspace&apos;s id</extracomment>
        <translation>„%1“ ist keine Organisations- oder Arbeitsbereichs-ID</translation>
    </message>
    <message>
        <source>an account for &apos;%1&apos; exists already</source>
        <extracomment>%1 is an organisation&apos;s or workspace&apos;s id</extracomment>
        <translation>ein Konto für „%1“ existiert bereits</translation>
    </message>
    <message>
        <source>unknown edit &apos;%1&apos;</source>
        <extracomment>%1 is the edit asked for, as given (&quot;rename&quot;)</extracomment>
        <translation>unbekannte Änderung „%1“</translation>
    </message>
    <message>
        <source>rename takes an account and a label</source>
        <extracomment>&quot;rename&quot; is a command&apos;s name: keep it as it is</extracomment>
        <translation>rename erwartet ein Konto und eine Bezeichnung</translation>
    </message>
    <message>
        <source>%1 takes one account</source>
        <extracomment>%1 is a command&apos;s name (&quot;show&quot;, &quot;hide&quot;, &quot;remove&quot;): keep it as it is</extracomment>
        <translation>%1 erwartet genau ein Konto</translation>
    </message>
    <message>
        <source>no account &apos;%1&apos; (two accounts with that label are named by their ids)</source>
        <extracomment>%1 is the account&apos;s id or label, as given</extracomment>
        <translation>kein Konto „%1“ (zwei Konten mit dieser Bezeichnung werden über ihre IDs angegeben)</translation>
    </message>
    <message>
        <source>a label cannot be empty</source>
        <translation>eine Bezeichnung darf nicht leer sein</translation>
    </message>
    <message>
        <source>%1 is the provider&apos;s first account: clear its key in Preferences instead</source>
        <extracomment>%1 is the account&apos;s label</extracomment>
        <translation>%1 ist das erste Konto des Anbieters: Löschen Sie stattdessen seinen Schlüssel in den Einstellungen</translation>
    </message>
    <message>
        <source>unknown provider &apos;%1&apos; (claude or chatgpt)</source>
        <extracomment>%1 is the provider as given; &quot;claude&quot; and &quot;chatgpt&quot; are the names to give: keep them as they are</extracomment>
        <translation>unbekannter Anbieter „%1“ (claude oder chatgpt)</translation>
    </message>
    <message>
        <source>unknown key source &apos;%1&apos; (key or browser)</source>
        <extracomment>%1 is the source as given; &quot;key&quot; and &quot;browser&quot; are the names to give: keep them as they are</extracomment>
        <translation>unbekannte Schlüsselquelle „%1“ (key oder browser)</translation>
    </message>
    <message>
        <source>no key was given</source>
        <translation>es wurde kein Schlüssel angegeben</translation>
    </message>
    <message>
        <source>the key holds invalid characters</source>
        <translation>der Schlüssel enthält ungültige Zeichen</translation>
    </message>
</context>
<context>
    <name>AccountList</name>
    <message>
        <source>Account %1</source>
        <extracomment>The label a new account gets until the user names it: %1 is its place among the provider&apos;s accounts (&quot;2&quot;)</extracomment>
        <translation>Konto %1</translation>
    </message>
</context>
<context>
    <name>AccountRows</name>
    <message>
        <source>%1 sign-in in %2</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex), %2 the folder holding its sign-in</extracomment>
        <translation>Anmeldung von %1 in %2</translation>
    </message>
    <message>
        <source>Session key above</source>
        <extracomment>An account&apos;s source: the session key typed in the field above the list</extracomment>
        <translation>Sitzungsschlüssel oben</translation>
    </message>
    <message>
        <source>Pasted key</source>
        <translation>Eingefügter Schlüssel</translation>
    </message>
    <message>
        <source>Key imported from a browser</source>
        <translation>Aus einem Browser importierter Schlüssel</translation>
    </message>
    <message>
        <source>Another organisation of the same sign-in</source>
        <translation>Weitere Organisation derselben Anmeldung</translation>
    </message>
    <message>
        <source>Another workspace of the same sign-in</source>
        <translation>Weiterer Arbeitsbereich derselben Anmeldung</translation>
    </message>
    <message>
        <source>No sign-in in this folder</source>
        <translation>Keine Anmeldung in diesem Ordner</translation>
    </message>
    <message>
        <source>Needs the first account&apos;s sign-in</source>
        <translation>Benötigt die Anmeldung des ersten Kontos</translation>
    </message>
    <message>
        <source>No key stored</source>
        <translation>Kein Schlüssel gespeichert</translation>
    </message>
    <message>
        <source>Not answered yet</source>
        <translation>Noch keine Antwort</translation>
    </message>
    <message>
        <source>Hidden — not asked</source>
        <extracomment>An account hidden from the panel is not asked for its usage</extracomment>
        <translation>Ausgeblendet — nicht abgefragt</translation>
    </message>
    <message>
        <source>Refused — sign in again or use a new key</source>
        <translation>Abgelehnt — erneut anmelden oder neuen Schlüssel verwenden</translation>
    </message>
    <message>
        <source>Connected · %1</source>
        <extracomment>%1 is the account&apos;s plan as the service names it (Pro, Max, Plus)</extracomment>
        <translation>Verbunden · %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Paste a Key…</source>
        <translation>Schlüssel einfügen…</translation>
    </message>
</context>
<context>
    <name>AccountsBlock</name>
    <message>
        <source>ACCOUNTS</source>
        <extracomment>The heading of the list of one provider&apos;s accounts, in capitals like the other section headings</extracomment>
        <translation>KONTEN</translation>
    </message>
    <message>
        <source>Add Account…</source>
        <translation>Konto hinzufügen…</translation>
    </message>
    <message>
        <source>Show this account in the panel and the menu</source>
        <translation>Dieses Konto in der Leiste und im Menü anzeigen</translation>
    </message>
    <message>
        <source>Shown</source>
        <extracomment>What a screen reader calls the check box that shows an account in the panel</extracomment>
        <translation>Angezeigt</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>What a screen reader calls the field holding an account&apos;s name
----------
The account&apos;s name</extracomment>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>A small button that asks the account&apos;s service for its usage now</extracomment>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Ask the service now</source>
        <translation>Den Dienst jetzt abfragen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Remove this account</source>
        <translation>Dieses Konto entfernen</translation>
    </message>
    <message>
        <source>Add %1 Account</source>
        <extracomment>%1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>%1-Konto hinzufügen</translation>
    </message>
    <message>
        <source>Work, Personal…</source>
        <extracomment>Example names for an account</extracomment>
        <translation>Arbeit, Privat…</translation>
    </message>
    <message>
        <source>Enter sessionKey</source>
        <extracomment>sessionKey is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>sessionKey eingeben</translation>
    </message>
    <message>
        <source>Enter __Secure-next-auth.session-token</source>
        <extracomment>__Secure-next-auth.session-token is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>__Secure-next-auth.session-token eingeben</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The session key the account signs in with</extracomment>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the account with the pasted key</extracomment>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>BrowserCookies</name>
    <message>
        <source>The cookies of %1 could not be read: %2.</source>
        <extracomment>%1 is a browser profile (&quot;Firefox (default-release)&quot;), %2 the reason</extracomment>
        <translation>Die Cookies von %1 konnten nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Unknown browser &apos;%1&apos;: name one of %2, with -flatpak or -snap for those installs.</source>
        <extracomment>The command line&apos;s answer to a browser name it does not know: %1 that name, %2 the names it knows (&quot;firefox, chromium, …&quot;). The names and -flatpak, -snap are typed as they are.</extracomment>
        <translation>Unbekannter Browser „%1“: Geben Sie einen von %2 an, mit -flatpak oder -snap für solche Installationen.</translation>
    </message>
    <message>
        <source>No %1 profile was found.</source>
        <extracomment>%1 is a browser&apos;s name as typed on the command line (&quot;firefox&quot;, &quot;chromium-snap&quot;)</extracomment>
        <translation>Es wurde kein Profil von %1 gefunden.</translation>
    </message>
    <message>
        <source>%1 has no profile &apos;%2&apos;; its profiles: %3.</source>
        <extracomment>%1 is a browser&apos;s name as typed on the command line, %2 the profile asked for, %3 its profiles</extracomment>
        <translation>%1 hat kein Profil „%2“; vorhandene Profile: %3.</translation>
    </message>
    <message>
        <source>%1 is not signed in to %2: sign in there first.</source>
        <extracomment>%1 is a browser profile (&quot;Firefox (default-release)&quot;), %2 the site (claude.ai)</extracomment>
        <translation>%1 ist nicht bei %2 angemeldet: Melden Sie sich dort zuerst an.</translation>
    </message>
    <message>
        <source>no keyring is available</source>
        <translation>es ist kein Schlüsselbund verfügbar</translation>
    </message>
    <message>
        <source>%1 keeps its cookie key behind the desktop portal, out of other programs&apos; reach: paste the %2 cookie&apos;s value instead.</source>
        <extracomment>%1 is a browser profile, %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>%1 verwahrt seinen Cookie-Schlüssel hinter dem Desktop-Portal, außer Reichweite anderer Programme: Fügen Sie stattdessen den Wert des Cookies %2 ein.</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 is encrypted in a way Quotabar does not know: paste its value instead.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;)</extracomment>
        <translation>Das Cookie von %1 in %2 ist auf eine Weise verschlüsselt, die Quotabar nicht kennt: Fügen Sie stattdessen seinen Wert ein.</translation>
    </message>
    <message>
        <source>%1 keeps its cookie password in the desktop keyring, which stayed locked: import again and unlock it when asked, or paste the %2 cookie&apos;s value instead.</source>
        <extracomment>%1 is a browser (Google Chrome), %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>%1 verwahrt sein Cookie-Passwort im Schlüsselbund der Arbeitsumgebung, der gesperrt blieb: Importieren Sie erneut und entsperren Sie ihn, wenn Sie dazu aufgefordert werden, oder fügen Sie stattdessen den Wert des Cookies %2 ein.</translation>
    </message>
    <message>
        <source>%1 keeps its cookie password in the desktop keyring, which did not give it (%2).</source>
        <extracomment>%1 is a browser (Google Chrome), %2 why the keyring did not give the password</extracomment>
        <translation>%1 verwahrt sein Cookie-Passwort im Schlüsselbund der Arbeitsumgebung, der es nicht herausgegeben hat (%2).</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 could not be decrypted with %3&apos;s password; nothing was stored.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;), %3 the browser (Chromium)</extracomment>
        <translation>Das Cookie von %1 in %2 konnte mit dem Passwort von %3 nicht entschlüsselt werden; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 does not hold a usable value; nothing was stored.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;)</extracomment>
        <translation>Das Cookie von %1 in %2 enthält keinen verwendbaren Wert; es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>BrowserCookiesPlugin</name>
    <message>
        <source>The browser import could not be loaded: %1</source>
        <extracomment>%1 is the reason the system gives for not loading the import&apos;s library</extracomment>
        <translation>Der Browser-Import konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>BrowserImport</name>
    <message>
        <source>until the browser closes</source>
        <extracomment>How long a browser&apos;s sign-in lasts when it has no end date</extracomment>
        <translation>bis der Browser geschlossen wird</translation>
    </message>
    <message>
        <source>expired %1</source>
        <extracomment>%1 is the date and time a browser&apos;s sign-in ended</extracomment>
        <translation>abgelaufen am %1</translation>
    </message>
    <message>
        <source>expires %1</source>
        <extracomment>%1 is the date and time a browser&apos;s sign-in ends</extracomment>
        <translation>läuft ab am %1</translation>
    </message>
    <message>
        <source>Import %1 Key from Browser</source>
        <extracomment>The import window&apos;s title; %1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>%1-Schlüssel aus Browser importieren</translation>
    </message>
</context>
<context>
    <name>BrowserImportDialog</name>
    <message>
        <source>Quotabar reads a copy of the browser&apos;s cookies once, now, and keeps only the sign-in you choose.</source>
        <translation>Quotabar liest jetzt einmalig eine Kopie der Cookies des Browsers und behält nur die Anmeldung, die Sie auswählen.</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Imports the sign-in of the chosen browser profile</extracomment>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>ChartPlugin</name>
    <message>
        <source>The chart could not be loaded: %1</source>
        <extracomment>%1 is the reason the system gives for not loading the chart&apos;s library</extracomment>
        <translation>Das Diagramm konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>ClaudeResponses</name>
    <message>
        <source>Could not find org UUID in /api/account</source>
        <translation>Organisations-UUID in /api/account nicht gefunden</translation>
    </message>
    <message>
        <source>Unexpected usage response format</source>
        <translation>Unerwartetes Format der Nutzungsantwort</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name in its row of the menu</extracomment>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name in its row of the menu</extracomment>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Opus weekly</source>
        <extracomment>A row of the menu: the weekly limit of the Opus models</extracomment>
        <translation>Opus (Woche)</translation>
    </message>
    <message>
        <source>Sonnet weekly</source>
        <extracomment>A row of the menu: the weekly limit of the Sonnet models</extracomment>
        <translation>Sonnet (Woche)</translation>
    </message>
    <message>
        <source>OAuth apps weekly</source>
        <extracomment>A row of the menu: the weekly limit of the apps signed in with OAuth</extracomment>
        <translation>OAuth-Apps (Woche)</translation>
    </message>
    <message>
        <source>%1 weekly</source>
        <extracomment>A row of the menu: the weekly limit of what %1 names (&quot;Routines&quot;, an Anthropic model)
----------
A row of the menu: the weekly limit of the model %1 names (&quot;Opus&quot;, &quot;Fable&quot;)</extracomment>
        <translation>%1 (Woche)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>no running Quotabar answers</source>
        <translation>kein laufendes Quotabar antwortet</translation>
    </message>
    <message>
        <source>Usage: quotabar [command]
Without a command, starts Quotabar in the panel (a second start exits at once).

Commands (they never start Quotabar; status and refresh ask the running one):
  status                       one line per shown provider, with the menu&apos;s texts
  status --json                the whole state as one JSON object (schema version 1)
  status --waybar [--follow]   Waybar custom-module JSON; --follow prints a line per change
  status --polybar [--follow]  the title in Polybar&apos;s format, coloured when low or critical
  status --account ID|LABEL    any of the above for one account only
  refresh [--json|--waybar|--polybar]
                               fetch now, wait for the results (at most 30 s), print as status
  accounts [--json]            the accounts: id, provider, label, source, shown or hidden, state
  accounts show|hide|remove ID show, hide or remove an account (by id, or by its label)
  accounts rename ID LABEL     give an account another label
  accounts add claude|chatgpt [--label LABEL]
                               add an account with the key read from standard input
  accounts add claude|chatgpt --from-browser BROWSER[:PROFILE] [--label LABEL]
                               add an account with the sign-in cookie of a browser profile
                               (firefox, librewolf, chromium, chrome, brave, edge, vivaldi;
                               firefox-flatpak, chromium-snap, … for a sandboxed install)
  accounts add claude|chatgpt --organization|--workspace ID [--label LABEL]
                               add another organisation or workspace of the first account&apos;s sign-in
  accounts browsers            the browser profiles signed in to claude.ai or chatgpt.com and
                               when each sign-in expires; reads the browsers&apos; cookie stores
                               itself, never prints a cookie&apos;s value
  --version                    print the version
  --help                       print this help

Exit status: 0 every shown provider has figures (or the accounts edit was done),
1 one has no usable data (or the edit was refused), 2 no running Quotabar answers,
64 unknown command or option; accounts browsers: 0 a sign-in that has not expired
was found, 1 none was.
--waybar and --polybar exit 0 whenever they printed, so that the bar shows the error class.
--follow goes on while Quotabar is not running: it prints a line saying so and waits for it.
</source>
        <extracomment>The command&apos;s help. Commands, options and their values in capitals (ID, LABEL, BROWSER) are typed as they are: keep them, and keep the lines within 100 columns.</extracomment>
        <translation>Aufruf: quotabar [Befehl]
Ohne Befehl startet Quotabar in der Leiste (ein zweiter Start beendet sich sofort).

Befehle (sie starten Quotabar nie; status und refresh fragen das laufende Quotabar):
  status                       eine Zeile je angezeigtem Anbieter, mit den Texten des Menüs
  status --json                der gesamte Zustand als ein JSON-Objekt (Schema-Version 1)
  status --waybar [--follow]   JSON für ein Waybar-Custom-Modul; --follow: eine Zeile je Änderung
  status --polybar [--follow]  der Titel im Format von Polybar, farbig bei knapp oder kritisch
  status --account ID|LABEL    jede der obigen Ausgaben, nur für ein Konto
  refresh [--json|--waybar|--polybar]
                               jetzt abrufen, auf die Ergebnisse warten (höchstens 30 s)
                               und wie status ausgeben
  accounts [--json]            die Konten: ID, Anbieter, Bezeichnung, Quelle, angezeigt oder
                               ausgeblendet, Zustand
  accounts show|hide|remove ID ein Konto anzeigen, ausblenden oder entfernen
                               (per ID oder per Bezeichnung)
  accounts rename ID LABEL     einem Konto eine andere Bezeichnung geben
  accounts add claude|chatgpt [--label LABEL]
                               ein Konto mit dem Schlüssel aus der Standardeingabe hinzufügen
  accounts add claude|chatgpt --from-browser BROWSER[:PROFILE] [--label LABEL]
                               ein Konto mit dem Anmelde-Cookie eines Browserprofils hinzufügen
                               (firefox, librewolf, chromium, chrome, brave, edge, vivaldi;
                               firefox-flatpak, chromium-snap, … für eine Sandbox-Installation)
  accounts add claude|chatgpt --organization|--workspace ID [--label LABEL]
                               eine weitere Organisation oder einen weiteren Arbeitsbereich
                               der Anmeldung des ersten Kontos hinzufügen
  accounts browsers            die bei claude.ai oder chatgpt.com angemeldeten Browserprofile
                               und wann jede Anmeldung abläuft; liest die Cookie-Speicher der
                               Browser selbst, gibt nie den Wert eines Cookies aus
  --version                    die Version ausgeben
  --help                       diese Hilfe ausgeben

Rückgabewert: 0 jeder angezeigte Anbieter hat Werte (oder die Kontenänderung wurde ausgeführt),
1 einer hat keine verwendbaren Daten (oder die Änderung wurde abgelehnt), 2 kein laufendes
Quotabar antwortet, 64 unbekannter Befehl oder unbekannte Option; accounts browsers: 0 eine nicht
abgelaufene Anmeldung wurde gefunden, 1 keine wurde gefunden.
--waybar und --polybar enden mit 0, sobald sie etwas ausgegeben haben, damit die Leiste die
Fehlerklasse anzeigt.
--follow läuft weiter, während Quotabar nicht läuft: Es gibt eine Zeile aus, die das meldet,
und wartet auf Quotabar.
</translation>
    </message>
    <message>
        <source>Quotabar %1 (build %2)</source>
        <extracomment>--version&apos;s answer: %1 is the version (&quot;1.3.2&quot;), %2 the build number (&quot;412&quot;)</extracomment>
        <translation>Quotabar %1 (Build %2)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the command as given</extracomment>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>unexpected option &apos;%1&apos;</source>
        <extracomment>%1 is an option as given (&quot;--jsno&quot;)</extracomment>
        <translation>unerwartete Option „%1“</translation>
    </message>
    <message>
        <source>--follow goes with --waybar or --polybar</source>
        <extracomment>--follow, --waybar and --polybar are options: keep them as they are</extracomment>
        <translation>--follow ist nur zusammen mit --waybar oder --polybar möglich</translation>
    </message>
    <message>
        <source>no account &apos;%1&apos; (two accounts with that label are named by their ids)</source>
        <extracomment>%1 is the account&apos;s id or label, as given</extracomment>
        <translation>kein Konto „%1“ (zwei Konten mit dieser Bezeichnung werden über ihre IDs angegeben)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option as given (&quot;--label&quot;)</extracomment>
        <translation>%1 benötigt einen Wert</translation>
    </message>
    <message>
        <source>accounts add takes claude or chatgpt</source>
        <extracomment>&quot;accounts add&quot;, &quot;claude&quot; and &quot;chatgpt&quot; are typed as they are: keep them</extracomment>
        <translation>accounts add erwartet claude oder chatgpt</translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>es wurde nichts importiert</translation>
    </message>
    <message>
        <source>accounts add reads the key from standard input, and it was empty</source>
        <extracomment>&quot;accounts add&quot; is a command: keep it as it is</extracomment>
        <translation>accounts add liest den Schlüssel aus der Standardeingabe, und diese war leer</translation>
    </message>
    <message>
        <source>unknown accounts command &apos;%1&apos;</source>
        <extracomment>%1 is what followed &quot;accounts&quot;, as given</extracomment>
        <translation>unbekannter accounts-Befehl „%1“</translation>
    </message>
    <message>
        <source>Quotabar has no account &apos;%1&apos;</source>
        <extracomment>A bar&apos;s tooltip: %1 is the account&apos;s id or label, as given</extracomment>
        <translation>Quotabar hat kein Konto „%1“</translation>
    </message>
    <message>
        <source>Quotabar is not running</source>
        <translation>Quotabar läuft nicht</translation>
    </message>
    <message>
        <source>%1 (%2 cookie of %3):</source>
        <extracomment>A heading: %1 is the provider (&quot;Claude&quot;), %2 the cookie&apos;s name (&quot;sessionKey&quot;), %3 the site (&quot;claude.ai&quot;)</extracomment>
        <translation>%1 (Cookie %2 von %3):</translation>
    </message>
    <message>
        <source>until the browser closes</source>
        <extracomment>How long a browser&apos;s sign-in cookie lasts, when it has no expiry date</extracomment>
        <translation>bis der Browser geschlossen wird</translation>
    </message>
    <message>
        <source>expired %1</source>
        <extracomment>%1 is when the sign-in cookie expired (a date and time)</extracomment>
        <translation>abgelaufen am %1</translation>
    </message>
    <message>
        <source>expires %1</source>
        <extracomment>%1 is when the sign-in cookie expires (a date and time)</extracomment>
        <translation>läuft ab am %1</translation>
    </message>
    <message>
        <source>none: %1</source>
        <extracomment>Below a provider&apos;s heading when no browser profile is signed in: %1 says why</extracomment>
        <translation>keines: %1</translation>
    </message>
</context>
<context>
    <name>CookieDatabase</name>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;</extracomment>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>no private temporary folder: %1</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;; %1 is the system&apos;s reason</extracomment>
        <translation>kein privater temporärer Ordner: %1</translation>
    </message>
    <message>
        <source>cannot copy %1: %2</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;; %1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht kopiert werden: %2</translation>
    </message>
</context>
<context>
    <name>CredentialSource</name>
    <message>
        <source>%1 sign-in expired — run %2 to sign in again</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex), %2 the command that signs in again (&quot;claude&quot;)</extracomment>
        <translation>Anmeldung von %1 abgelaufen — führen Sie %2 aus, um sich erneut anzumelden</translation>
    </message>
</context>
<context>
    <name>CredentialStore</name>
    <message>
        <source>Stored in the keyring</source>
        <extracomment>Where a key is kept: the desktop&apos;s keyring (Secret Service, KWallet)</extracomment>
        <translation>Im Schlüsselbund gespeichert</translation>
    </message>
    <message>
        <source>Stored in a file only you can read</source>
        <translation>In einer Datei gespeichert, die nur Sie lesen können</translation>
    </message>
    <message>
        <source>Stored in the keyring, which is locked: unlock it to use this key</source>
        <translation>Im Schlüsselbund gespeichert, der gesperrt ist: Entsperren Sie ihn, um diesen Schlüssel zu verwenden</translation>
    </message>
</context>
<context>
    <name>CredentialTest</name>
    <message>
        <source>Session expired - import again from %1</source>
        <extracomment>%1 is a browser profile, e.g. &quot;Firefox (default-release)&quot;</extracomment>
        <translation>Sitzung abgelaufen - erneut aus %1 importieren</translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation>Wird getestet…</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>The key was tried and the service answered</extracomment>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Session expired - check your key</source>
        <translation>Sitzung abgelaufen - Schlüssel überprüfen</translation>
    </message>
    <message>
        <source>Imported from %1</source>
        <extracomment>%1 is a browser profile, e.g. &quot;Firefox (default-release)&quot;</extracomment>
        <translation>Aus %1 importiert</translation>
    </message>
    <message>
        <source>Found your %1 sign-in — use it</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex)</extracomment>
        <translation>Ihre Anmeldung von %1 gefunden — verwenden</translation>
    </message>
    <message>
        <source>Using your %1 sign-in</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex)</extracomment>
        <translation>Ihre Anmeldung von %1 wird verwendet</translation>
    </message>
    <message>
        <source>Asked to wait · next try in %1</source>
        <extracomment>The service asked to be left alone; %1 is how long until it is asked again (&quot;4 min&quot;)</extracomment>
        <translation>Zum Warten aufgefordert · nächster Versuch in %1</translation>
    </message>
</context>
<context>
    <name>DisplayFormats</name>
    <message>
        <source>Session &amp; Weekly</source>
        <extracomment>A choice of what the panel shows: the session and weekly figures</extracomment>
        <translation>Sitzung &amp; Woche</translation>
    </message>
    <message>
        <source>Session Only</source>
        <extracomment>A choice of what the panel shows: the session figure alone</extracomment>
        <translation>Nur Sitzung</translation>
    </message>
    <message>
        <source>Weekly Only</source>
        <extracomment>A choice of what the panel shows: the weekly figure alone</extracomment>
        <translation>Nur Woche</translation>
    </message>
    <message>
        <source>Session &amp; Timer</source>
        <extracomment>A choice of what the panel shows: the session figure and the time to its reset</extracomment>
        <translation>Sitzung &amp; Restzeit</translation>
    </message>
    <message>
        <source>Weekly &amp; Timer</source>
        <extracomment>A choice of what the panel shows: the weekly figure and the time to its reset</extracomment>
        <translation>Woche &amp; Restzeit</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A duration of two parts, the larger first: %1 is days or hours (&quot;2 days&quot;), %2 hours or minutes (&quot;3 hr.&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n hr.</source>
        <extracomment>Hours, abbreviated (&quot;3 hr.&quot;)</extracomment>
        <translation>
            <numerusform>%n Std.</numerusform>
            <numerusform>%n Std.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min.</source>
        <extracomment>Minutes, abbreviated (&quot;20 min.&quot;)</extracomment>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>%1d</source>
        <extracomment>A countdown in whole days, abbreviated to fit the panel (&quot;4d&quot;)</extracomment>
        <translation>%1T</translation>
    </message>
    <message>
        <source>%1h</source>
        <extracomment>A countdown in whole hours, abbreviated to fit the panel (&quot;23h&quot;)</extracomment>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1m</source>
        <extracomment>A countdown in whole minutes, abbreviated to fit the panel (&quot;45m&quot;)</extracomment>
        <translation>%1m</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>Shown in the panel in place of a percentage or a countdown that is not known yet; keep it short</extracomment>
        <translation>neu</translation>
    </message>
</context>
<context>
    <name>HTTPClient</name>
    <message>
        <source>No HTTP response</source>
        <translation>Keine HTTP-Antwort</translation>
    </message>
    <message>
        <source>Blocked by Cloudflare challenge</source>
        <translation>Durch Cloudflare-Prüfung blockiert</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <extracomment>A failed request: %1 is the HTTP status code (&quot;503&quot;)</extracomment>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>Refused to send a sign-in over an unencrypted connection</source>
        <translation>Senden einer Anmeldung über eine unverschlüsselte Verbindung verweigert</translation>
    </message>
</context>
<context>
    <name>HistoryChartPane</name>
    <message>
        <source>%1: %2 left
%3</source>
        <extracomment>A chart point&apos;s tooltip: %1 the line (&quot;Session&quot;), %2 the percentage left, %3 the record&apos;s day and time</extracomment>
        <translation>%1: %2 übrig
%3</translation>
    </message>
    <message>
        <source>%1 usage chart</source>
        <extracomment>What a screen reader calls the chart; %1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>Nutzungsdiagramm für %1</translation>
    </message>
    <message>
        <source>Limits reached</source>
        <extracomment>The heading of the list of times a limit was used up</extracomment>
        <translation>Erreichte Limits</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;), %2 how it stands against the even pace</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No limit reached in the last 24 hours.</source>
        <translation>In den letzten 24 Stunden wurde kein Limit erreicht.</translation>
    </message>
    <message>
        <source>No limit reached in the last 7 days.</source>
        <translation>In den letzten 7 Tagen wurde kein Limit erreicht.</translation>
    </message>
    <message>
        <source>No current period to pace.</source>
        <extracomment>Shown in place of the pace when no limit has a period running</extracomment>
        <translation>Kein laufender Zeitraum für einen Zeitplan.</translation>
    </message>
    <message>
        <source>%1 pace</source>
        <extracomment>The chart&apos;s legend: the even pace line of a limit; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1 (Zeitplan)</translation>
    </message>
    <message>
        <source>%1 resets</source>
        <extracomment>The chart&apos;s legend: the marks where a limit reset; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1 (Zurücksetzungen)</translation>
    </message>
    <message>
        <source>%1 reset</source>
        <extracomment>A reset mark&apos;s tooltip, over its day and time; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1 zurückgesetzt</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The usage history could not be written to %1</source>
        <extracomment>A warning: %1 is the history file&apos;s path</extracomment>
        <translation>Der Nutzungsverlauf konnte nicht in %1 geschrieben werden</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>24 Hours</source>
        <extracomment>The span the history window shows: the last 24 hours, or the last 7 days</extracomment>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Als CSV exportieren…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The save dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>HistoryWindowController</name>
    <message>
        <source>Quotabar — Usage History</source>
        <translation>Quotabar — Nutzungsverlauf</translation>
    </message>
</context>
<context>
    <name>Illustrations</name>
    <message>
        <source>S:72%  W:45%</source>
        <extracomment>A sample panel item: S is the session (five-hour) limit, W the weekly one, as the panel&apos;s own labels abbreviate them; keep the two spaces between them</extracomment>
        <translation>S:72%  W:45%</translation>
    </message>
    <message>
        <source>Your remaining tokens</source>
        <extracomment>The callout pointing at the sample panel item</extracomment>
        <translation>Ihre verbleibenden Tokens</translation>
    </message>
    <message>
        <source>Developer Tools — %1</source>
        <extracomment>The title of a sample browser developer tools window; %1 is the site (claude.ai)</extracomment>
        <translation>Entwicklertools — %1</translation>
    </message>
    <message>
        <source>Application</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Console</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Storage</source>
        <extracomment>A section of the developer tools&apos; Application tab, as the browser names it</extracomment>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Cookies</source>
        <extracomment>The cookies list under Storage in the developer tools, as the browser names it</extracomment>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column heading of the developer tools&apos; cookie table</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>A column heading of the developer tools&apos; cookie table</extracomment>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>LimitWindows</name>
    <message>
        <source>%1-day</source>
        <extracomment>A limit window&apos;s length as its name (&quot;30-day&quot;), also in rows such as &quot;Code review 30-day&quot;</extracomment>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1-hour</source>
        <extracomment>A limit window&apos;s length as its name (&quot;12-hour&quot;)</extracomment>
        <translation>%1 Stunden</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>The request timed out.</source>
        <translation>Zeitüberschreitung bei der Anfrage.</translation>
    </message>
    <message>
        <source>Response too large</source>
        <extracomment>A service&apos;s answer was bigger than any usage answer can be</extracomment>
        <translation>Antwort zu groß</translation>
    </message>
</context>
<context>
    <name>NoticeRules</name>
    <message>
        <source>session</source>
        <extracomment>A window&apos;s name in a notice, after the provider&apos;s: &quot;Claude session: 12% left&quot;</extracomment>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>weekly</source>
        <extracomment>A window&apos;s name in a notice, after the provider&apos;s: &quot;Claude weekly: 12% left&quot;</extracomment>
        <translation>Woche</translation>
    </message>
    <message>
        <source>%1 %2: %3 left</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;), %3 the remaining percentage (&quot;12%&quot;)</extracomment>
        <translation>%1 %2: %3 übrig</translation>
    </message>
    <message>
        <source>Resets in %1</source>
        <extracomment>A notice&apos;s text: %1 is the time till the window resets (&quot;3 hr. 20 min.&quot;)</extracomment>
        <translation>Wird in %1 zurückgesetzt</translation>
    </message>
    <message>
        <source>%1 %2 limit has reset</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;)</extracomment>
        <translation>%1 %2: Limit zurückgesetzt</translation>
    </message>
    <message>
        <source>%1 %2 available again</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;)</extracomment>
        <translation>%1 %2: wieder verfügbar</translation>
    </message>
    <message>
        <source>The limit has reset; the full allowance is back.</source>
        <translation>Das Limit wurde zurückgesetzt; das volle Kontingent ist wieder verfügbar.</translation>
    </message>
    <message>
        <source>%1 sign-in expired</source>
        <extracomment>A notice&apos;s title: %1 is the command-line tool whose sign-in is used (&quot;Claude Code&quot;, &quot;Codex&quot;)</extracomment>
        <translation>Anmeldung von %1 abgelaufen</translation>
    </message>
    <message>
        <source>Run %1 to sign in again.</source>
        <extracomment>A notice&apos;s text: %1 is the command that signs in again (&quot;claude&quot;, &quot;codex login&quot;)</extracomment>
        <translation>Führen Sie %1 aus, um sich erneut anzumelden.</translation>
    </message>
    <message>
        <source>%1 session expired</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;)</extracomment>
        <translation>%1-Sitzung abgelaufen</translation>
    </message>
    <message>
        <source>Sign in again in %1, then import it again in Preferences.</source>
        <extracomment>A notice&apos;s text: %1 is the browser the key was taken from (&quot;Firefox&quot;)</extracomment>
        <translation>Melden Sie sich in %1 erneut an und importieren Sie die Anmeldung dann erneut in den Einstellungen.</translation>
    </message>
    <message>
        <source>Claude session key expired</source>
        <translation>Claude-Sitzungsschlüssel abgelaufen</translation>
    </message>
    <message>
        <source>Paste a new sessionKey in Preferences.</source>
        <extracomment>&quot;sessionKey&quot; is the name of the cookie: keep it as it is</extracomment>
        <translation>Fügen Sie in den Einstellungen einen neuen sessionKey ein.</translation>
    </message>
    <message>
        <source>ChatGPT session token expired</source>
        <translation>ChatGPT-Sitzungstoken abgelaufen</translation>
    </message>
    <message>
        <source>Paste a new __Secure-next-auth.session-token in Preferences.</source>
        <extracomment>&quot;__Secure-next-auth.session-token&quot; is the name of the cookie: keep it as it is</extracomment>
        <translation>Fügen Sie in den Einstellungen ein neues __Secure-next-auth.session-token ein.</translation>
    </message>
    <message>
        <source>· %1 %2</source>
        <extracomment>A window&apos;s name in a notice when the provider has several accounts: %1 is the account&apos;s label, %2 the window (&quot;Claude · Work session: 12% left&quot;)</extracomment>
        <translation>· %1 %2</translation>
    </message>
    <message>
        <source>%1 asked for fewer requests: next try in %2.</source>
        <extracomment>A notice&apos;s text: %1 is the provider (&quot;ChatGPT&quot;), %2 the time till the next try (&quot;5m&quot;)</extracomment>
        <translation>%1 hat um weniger Anfragen gebeten: nächster Versuch in %2.</translation>
    </message>
</context>
<context>
    <name>NoticesGroup</name>
    <message>
        <source>Notify when usage runs low</source>
        <extracomment>Followed by two pickers of the percentages left that each bring a notice</extracomment>
        <translation>Benachrichtigen, wenn wenig übrig ist</translation>
    </message>
    <message>
        <source>Notify when a limit resets</source>
        <translation>Benachrichtigen, wenn ein Limit zurückgesetzt wird</translation>
    </message>
    <message>
        <source>Notify when a limit is available again</source>
        <translation>Benachrichtigen, wenn ein Limit wieder verfügbar ist</translation>
    </message>
    <message>
        <source>Notify when a key expires</source>
        <translation>Benachrichtigen, wenn ein Schlüssel abläuft</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Open Preferences</source>
        <translation>Einstellungen öffnen</translation>
    </message>
</context>
<context>
    <name>OnboardingPages</name>
    <message>
        <source>Ctrl+Shift+I</source>
        <extracomment>The keys that open a browser&apos;s developer tools, as the keyboard labels them</extracomment>
        <translation>Strg+Umschalt+I</translation>
    </message>
    <message>
        <source>Open Preferences →</source>
        <translation>Einstellungen öffnen →</translation>
    </message>
    <message>
        <source>Welcome to Quotabar</source>
        <translation>Willkommen bei Quotabar</translation>
    </message>
    <message>
        <source>A free, native %1 menu bar app that shows how much of your Claude and ChatGPT limits remain — at a glance, any time.</source>
        <extracomment>%1 is the operating system (Linux)</extracomment>
        <translation>Ein freies, natives Menüleisten-Programm für %1, das zeigt, wie viel von Ihren Claude- und ChatGPT-Limits übrig ist — auf einen Blick, jederzeit.</translation>
    </message>
    <message>
        <source>Always Visible. Always Current.</source>
        <translation>Immer sichtbar. Immer aktuell.</translation>
    </message>
    <message>
        <source>Quotabar shows the percentage of your session and weekly limits that remain — directly in the menu bar. 100% means fresh. 0% means used up. No app-switching required.</source>
        <translation>Quotabar zeigt, wie viel Prozent Ihrer Sitzungs- und Wochenlimits übrig sind — direkt in der Menüleiste. 100&#xa0;% heißt frisch. 0&#xa0;% heißt aufgebraucht. Kein Wechsel zwischen Programmen nötig.</translation>
    </message>
    <message>
        <source>Connect Your Claude Account</source>
        <translation>Claude-Konto verbinden</translation>
    </message>
    <message>
        <source>Open %1 in your browser, press %2 to open DevTools, go to Application → Cookies → %1, and copy the value of sessionKey. Paste it in Preferences.</source>
        <extracomment>%1 is the site (claude.ai), %2 the keys that open the developer tools. Application and Cookies are what the browser&apos;s developer tools call them; sessionKey is the cookie&apos;s name.</extracomment>
        <translation>Öffnen Sie %1 in Ihrem Browser, drücken Sie %2, um die Entwicklertools zu öffnen, gehen Sie zu Anwendung → Cookies → %1 und kopieren Sie den Wert von sessionKey. Fügen Sie ihn in den Einstellungen ein.</translation>
    </message>
    <message>
        <source>Connect Your ChatGPT Account</source>
        <translation>ChatGPT-Konto verbinden</translation>
    </message>
    <message>
        <source>Open %1 in your browser, press %2, go to Application → Cookies → %1, and copy __Secure-next-auth.session-token. Paste it in Preferences.</source>
        <extracomment>%1 is the site (chatgpt.com), %2 the keys that open the developer tools. Application and Cookies are what the browser&apos;s developer tools call them; the cookie&apos;s name stays as it is.</extracomment>
        <translation>Öffnen Sie %1 in Ihrem Browser, drücken Sie %2, gehen Sie zu Anwendung → Cookies → %1 und kopieren Sie __Secure-next-auth.session-token. Fügen Sie es in den Einstellungen ein.</translation>
    </message>
    <message>
        <source>You&apos;re All Set!</source>
        <translation>Alles bereit!</translation>
    </message>
    <message>
        <source>Quotabar lives in your menu bar and updates automatically. Click it any time to see a detailed breakdown, change settings, or refresh your data.</source>
        <translation>Quotabar befindet sich in Ihrer Menüleiste und aktualisiert sich automatisch. Klicken Sie jederzeit darauf, um eine detaillierte Aufschlüsselung zu sehen, Einstellungen zu ändern oder Ihre Daten zu aktualisieren.</translation>
    </message>
    <message>
        <source>Found your %1 sign-in — use it in Preferences.</source>
        <extracomment>%1 is a command-line tool (Claude Code, Codex)</extracomment>
        <translation>Ihre Anmeldung von %1 wurde gefunden — verwenden Sie sie in den Einstellungen.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of names, e.g. &quot;Claude Code and Codex&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Found your %1 sign-ins — use them in Preferences.</source>
        <extracomment>%1 lists command-line tools, e.g. &quot;Claude Code and Codex&quot;</extracomment>
        <translation>Ihre Anmeldungen von %1 wurden gefunden — verwenden Sie sie in den Einstellungen.</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>Dieses Fenster nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Goes back one page of the welcome guide</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Goes on to the next page of the welcome guide</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Closes the welcome guide on its last page</extracomment>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>OnboardingWindowController</name>
    <message>
        <source>Welcome to Quotabar</source>
        <translation>Willkommen bei Quotabar</translation>
    </message>
</context>
<context>
    <name>OpenAIResponses</name>
    <message>
        <source>Session expired or invalid</source>
        <translation>Sitzung abgelaufen oder ungültig</translation>
    </message>
    <message>
        <source>Unexpected usage response format</source>
        <translation>Unerwartetes Format der Nutzungsantwort</translation>
    </message>
    <message>
        <source>%1 session</source>
        <extracomment>A row of the menu: the session limit of what %1 names (a model, &quot;Code review&quot;)</extracomment>
        <translation>%1 (Sitzung)</translation>
    </message>
    <message>
        <source>%1 weekly</source>
        <extracomment>A row of the menu: the weekly limit of what %1 names (a model, &quot;Code review&quot;)</extracomment>
        <translation>%1 (Woche)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A row of the menu: a limit of what %1 names (a model, &quot;Code review&quot;) over a window of another length, %2 (&quot;30-day&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Code review</source>
        <extracomment>The name of ChatGPT&apos;s code review limits, at the start of their rows (&quot;Code review weekly&quot;)</extracomment>
        <translation>Code-Review</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name in its row of the menu</extracomment>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name in its row of the menu</extracomment>
        <translation>Woche</translation>
    </message>
</context>
<context>
    <name>OpenAIUsageFetcher</name>
    <message>
        <source>No session token — add one in Preferences</source>
        <translation>Kein Sitzungstoken — fügen Sie eines in den Einstellungen hinzu</translation>
    </message>
    <message>
        <source>Session token contains invalid characters</source>
        <translation>Sitzungstoken enthält ungültige Zeichen</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <extracomment>A failed request: %1 is the HTTP status code (&quot;401&quot;)</extracomment>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>Workspace id contains invalid characters</source>
        <translation>Arbeitsbereichs-ID enthält ungültige Zeichen</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>  · lasts until reset</source>
        <extracomment>Added to a window&apos;s row in the menu (keep the two leading spaces) when its usage, at the current pace, lasts until the window resets</extracomment>
        <translation>  · reicht bis zur Zurücksetzung</translation>
    </message>
    <message>
        <source>  · runs out in ~%1</source>
        <extracomment>Added to a window&apos;s row in the menu (keep the two leading spaces): at the current pace the limit is reached in about %1 (&quot;3 hr. 20 min.&quot;)</extracomment>
        <translation>  · aufgebraucht in ~%1</translation>
    </message>
</context>
<context>
    <name>PanelPresenter</name>
    <message>
        <source>Quotabar — %1 %2</source>
        <extracomment>A panel item&apos;s title, as hosts list it: %1 is the provider&apos;s maker (&quot;Anthropic&quot;), %2 its name (&quot;Claude&quot;). Hosts sort the items by it: keep the maker before the name.</extracomment>
        <translation>Quotabar — %1 %2</translation>
    </message>
    <message>
        <source>Quotabar — %1 %2 %3 · %4</source>
        <extracomment>The title of a provider&apos;s further account&apos;s panel item: %3 is the account&apos;s place among the provider&apos;s (&quot;2&quot;), %4 its label. Hosts sort the items by it: keep the order of the placeholders.</extracomment>
        <translation>Quotabar — %1 %2 %3 · %4</translation>
    </message>
</context>
<context>
    <name>PanelStyles</name>
    <message>
        <source>Automatic</source>
        <extracomment>A panel style: chosen for the desktop&apos;s panel</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Logo and text</source>
        <extracomment>A panel style: each provider&apos;s logo with its figures written beside it</extracomment>
        <translation>Logo und Text</translation>
    </message>
    <message>
        <source>Figures in icon</source>
        <extracomment>A panel style: the figures drawn inside the icon, for panels that show no text</extracomment>
        <translation>Werte im Symbol</translation>
    </message>
</context>
<context>
    <name>PreferencesModel</name>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Enter sessionKey</source>
        <extracomment>sessionKey is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>sessionKey eingeben</translation>
    </message>
    <message>
        <source>Enter __Secure-next-auth.session-token</source>
        <extracomment>__Secure-next-auth.session-token is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>__Secure-next-auth.session-token eingeben</translation>
    </message>
    <message>
        <source>How to get your Claude key →</source>
        <translation>So erhalten Sie Ihren Claude-Schlüssel →</translation>
    </message>
    <message>
        <source>How to get your ChatGPT key →</source>
        <translation>So erhalten Sie Ihren ChatGPT-Schlüssel →</translation>
    </message>
    <message>
        <source>Choose AI Provider</source>
        <translation>KI-Anbieter wählen</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>A section heading; its row picks what the panel item shows</extracomment>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Show in menu bar</source>
        <translation>In der Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>Panel style</source>
        <extracomment>Picks how the panel item looks</extracomment>
        <translation>Leistenstil</translation>
    </message>
    <message>
        <source>One per provider</source>
        <extracomment>One panel item for each provider, or for each account</extracomment>
        <translation>Ein Eintrag pro Anbieter</translation>
    </message>
    <message>
        <source>One per account</source>
        <translation>Ein Eintrag pro Konto</translation>
    </message>
    <message>
        <source>Panel items</source>
        <translation>Leisteneinträge</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>A section heading; its row picks how often usage is asked for, &quot;Check every&quot; &quot;5 minutes&quot;</extracomment>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Abfragen alle</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>A section heading</extracomment>
        <translation>System</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The button that stores the key typed beside it and tries it</extracomment>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Import from Browser…</source>
        <translation>Aus Browser importieren…</translation>
    </message>
    <message>
        <source>Take the sign-in from a browser where you are signed in</source>
        <translation>Die Anmeldung aus einem Browser übernehmen, in dem Sie angemeldet sind</translation>
    </message>
    <message>
        <source>Remove the stored key</source>
        <translation>Gespeicherten Schlüssel entfernen</translation>
    </message>
    <message>
        <source>Use a session key instead</source>
        <translation>Stattdessen einen Sitzungsschlüssel verwenden</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>in %n yr.</source>
        <extracomment>Time till a reset, abbreviated: in %n years</extracomment>
        <translation>
            <numerusform>in %n Jahr</numerusform>
            <numerusform>in %n Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n mo.</source>
        <extracomment>Time till a reset, abbreviated: in %n months</extracomment>
        <translation>
            <numerusform>in %n Monat</numerusform>
            <numerusform>in %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n wk.</source>
        <extracomment>Time till a reset, abbreviated: in %n weeks</extracomment>
        <translation>
            <numerusform>in %n Woche</numerusform>
            <numerusform>in %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>in 1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hr.</source>
        <extracomment>Time till a reset, abbreviated: in %n hours</extracomment>
        <translation>
            <numerusform>in %n Std.</numerusform>
            <numerusform>in %n Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n min.</source>
        <extracomment>Time till a reset, abbreviated: in %n minutes</extracomment>
        <translation>
            <numerusform>in %n Min.</numerusform>
            <numerusform>in %n Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n sec.</source>
        <extracomment>Time till a reset, abbreviated: in %n seconds</extracomment>
        <translation>
            <numerusform>in %n Sek.</numerusform>
            <numerusform>in %n Sek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yr. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n years ago</extracomment>
        <translation>
            <numerusform>vor %n Jahr</numerusform>
            <numerusform>vor %n Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mo. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n months ago</extracomment>
        <translation>
            <numerusform>vor %n Monat</numerusform>
            <numerusform>vor %n&#xa0;Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wk. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n weeks ago</extracomment>
        <translation>
            <numerusform>vor %n Woche</numerusform>
            <numerusform>vor %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>vor 1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hr. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n hours ago</extracomment>
        <translation>
            <numerusform>vor %n Std.</numerusform>
            <numerusform>vor %n Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n minutes ago</extracomment>
        <translation>
            <numerusform>vor %n Min.</numerusform>
            <numerusform>vor %n Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n seconds ago</extracomment>
        <translation>
            <numerusform>vor %n Sek.</numerusform>
            <numerusform>vor %n Sek.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResetPhrases</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A reset phrase: %1 is what resets (&quot;Session resets&quot;), %2 the time till then (&quot;in 2 hr.&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Session resets</source>
        <extracomment>The start of the session (five-hour) window&apos;s reset phrase (&quot;Session resets in 2 hr.&quot;)</extracomment>
        <translation>Sitzung: Zurücksetzung</translation>
    </message>
    <message>
        <source>Weekly resets</source>
        <extracomment>The start of the weekly window&apos;s reset phrase (&quot;Weekly resets in 3 days&quot;)</extracomment>
        <translation>Woche: Zurücksetzung</translation>
    </message>
    <message>
        <source>resets</source>
        <extracomment>The start of the reset phrase of a limit shown in a row of its own (&quot;Opus weekly 12% resets in 3 days&quot;)</extracomment>
        <translation>Zurücksetzung</translation>
    </message>
</context>
<context>
    <name>SafeStorageKeyring</name>
    <message>
        <source>no session bus</source>
        <extracomment>Why the desktop keyring could not be asked: there is no session D-Bus</extracomment>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>the Secret Service does not answer</source>
        <extracomment>The Secret Service is the desktop keyring&apos;s D-Bus service: keep its name</extracomment>
        <translation>der Secret Service antwortet nicht</translation>
    </message>
    <message>
        <source>the keyring holding %1 stayed locked</source>
        <extracomment>%1 is the keyring item&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>der Schlüsselbund mit %1 blieb gesperrt</translation>
    </message>
    <message>
        <source>the keyring holds no %1</source>
        <extracomment>%1 is the keyring item&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>der Schlüsselbund enthält keinen Eintrag %1</translation>
    </message>
    <message>
        <source>KWallet does not answer</source>
        <translation>KWallet antwortet nicht</translation>
    </message>
    <message>
        <source>the wallet %1 is closed</source>
        <extracomment>%1 is the KWallet wallet&apos;s name (&quot;kdewallet&quot;)</extracomment>
        <translation>die Brieftasche %1 ist geschlossen</translation>
    </message>
    <message>
        <source>KWallet did not open %1</source>
        <extracomment>%1 is the KWallet wallet&apos;s name (&quot;kdewallet&quot;)</extracomment>
        <translation>KWallet hat %1 nicht geöffnet</translation>
    </message>
    <message>
        <source>the wallet holds no %1</source>
        <extracomment>%1 is the wallet entry&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>die Brieftasche enthält keinen Eintrag %1</translation>
    </message>
</context>
<context>
    <name>SecretField</name>
    <message>
        <source>Show the key</source>
        <translation>Schlüssel anzeigen</translation>
    </message>
    <message>
        <source>Hide the key</source>
        <translation>Schlüssel ausblenden</translation>
    </message>
</context>
<context>
    <name>SettingsDefaultsStore</name>
    <message>
        <source>The settings could not be written to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SignInCookie</name>
    <message>
        <source>The %1 sign-in in %2 expired on %3: sign in to %1 there again.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Firefox (default-release)&quot;), %3 a date and time</extracomment>
        <translation>Die Anmeldung bei %1 in %2 ist am %3 abgelaufen: Melden Sie sich dort erneut bei %1 an.</translation>
    </message>
    <message>
        <source>No profile of Firefox, LibreWolf, Chromium, Google Chrome, Brave, Microsoft Edge or Vivaldi was found.</source>
        <translation>Es wurde kein Profil von Firefox, LibreWolf, Chromium, Google Chrome, Brave, Microsoft Edge oder Vivaldi gefunden.</translation>
    </message>
    <message>
        <source>No browser profile is signed in to %1 (no %2 cookie): sign in there first.</source>
        <extracomment>%1 is the site (claude.ai), %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>Kein Browserprofil ist bei %1 angemeldet (kein Cookie %2): Melden Sie sich dort zuerst an.</translation>
    </message>
</context>
<context>
    <name>SignInUsageFetcher</name>
    <message>
        <source>Sign-in file holds invalid characters</source>
        <translation>Anmeldedatei enthält ungültige Zeichen</translation>
    </message>
</context>
<context>
    <name>StatusBarController</name>
    <message>
        <source>Session key invalid or expired</source>
        <translation>Sitzungsschlüssel ungültig oder abgelaufen</translation>
    </message>
    <message>
        <source>Session token invalid or expired</source>
        <translation>Sitzungstoken ungültig oder abgelaufen</translation>
    </message>
    <message>
        <source>No key — add one in Preferences</source>
        <translation>Kein Schlüssel — fügen Sie einen in den Einstellungen hinzu</translation>
    </message>
</context>
<context>
    <name>StatusBusClient</name>
    <message>
        <source>cannot make a pipe for the key</source>
        <translation>für den Schlüssel kann keine Pipe angelegt werden</translation>
    </message>
    <message>
        <source>cannot hand the key over</source>
        <extracomment>The key could not be written into the pipe that hands it to the running program</extracomment>
        <translation>der Schlüssel kann nicht übergeben werden</translation>
    </message>
</context>
<context>
    <name>StatusBusObject</name>
    <message>
        <source>not available</source>
        <extracomment>The running program&apos;s answer to an account change it cannot make; the command line prints it</extracomment>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>the key could not be read</source>
        <translation>der Schlüssel konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name at the start of its row in the menu</extracomment>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name at the start of its row in the menu</extracomment>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <extracomment>The figures&apos; age when they are seconds old</extracomment>
        <translation>Gerade eben aktualisiert</translation>
    </message>
    <message>
        <source>Session expired — check your key</source>
        <translation>Sitzung abgelaufen — Schlüssel überprüfen</translation>
    </message>
    <message>
        <source>Session %1  %2 %3</source>
        <extracomment>One row of an account&apos;s figures: the session&apos;s remaining percentage, then the long window&apos;s name and its remaining percentage (&quot;Session 73% Weekly 41%&quot;)</extracomment>
        <translation>Sitzung %1  %2 %3</translation>
    </message>
    <message>
        <source>Extra usage  %1 of %2 this month</source>
        <extracomment>Money spent beyond the plan this month (%1) of the month&apos;s limit (%2): &quot;Extra usage $12.40 of $50.00 this month&quot;</extracomment>
        <translation>Zusatznutzung  %1 von %2 in diesem Monat</translation>
    </message>
    <message>
        <source>Extra usage  %1 this month</source>
        <extracomment>Money spent beyond the plan this month, without a limit: &quot;Extra usage $12.40 this month&quot;</extracomment>
        <translation>Zusatznutzung  %1 in diesem Monat</translation>
    </message>
    <message>
        <source>Extra usage  %1 left this month</source>
        <extracomment>The remaining percentage of the month&apos;s extra usage: &quot;Extra usage 73% left this month&quot;</extracomment>
        <translation>Zusatznutzung  %1 übrig in diesem Monat</translation>
    </message>
    <message>
        <source>Extra usage  on</source>
        <extracomment>Extra usage beyond the plan is switched on, with no figures known</extracomment>
        <translation>Zusatznutzung  aktiv</translation>
    </message>
    <message>
        <source>Credits  unlimited</source>
        <extracomment>ChatGPT&apos;s credits row when the account&apos;s credits have no limit</extracomment>
        <translation>Guthaben  unbegrenzt</translation>
    </message>
    <message>
        <source>Credits  %1</source>
        <extracomment>ChatGPT&apos;s credits row: %1 is the balance (&quot;123.45&quot;) or a dash when unknown</extracomment>
        <translation>Guthaben  %1</translation>
    </message>
    <message numerus="yes">
        <source>Updated %ns ago</source>
        <extracomment>The age of the figures in seconds, abbreviated</extracomment>
        <translation>
            <numerusform>Vor %n s aktualisiert</numerusform>
            <numerusform>Vor %n s aktualisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <extracomment>The age of the figures in minutes, abbreviated</extracomment>
        <translation>
            <numerusform>Vor %n Min. aktualisiert</numerusform>
            <numerusform>Vor %n Min. aktualisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <extracomment>The age of the figures in hours, abbreviated</extracomment>
        <translation>
            <numerusform>Vor %n Std. aktualisiert</numerusform>
            <numerusform>Vor %n Std. aktualisiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring…</source>
        <translation>Warten auf den Schlüsselbund…</translation>
    </message>
    <message>
        <source>Keyring locked — unlock it to show figures</source>
        <translation>Schlüsselbund gesperrt — zum Anzeigen der Werte entsperren</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Wird aktualisiert…</translation>
    </message>
    <message>
        <source>%1 · last try failed: %2</source>
        <extracomment>%1 is the figures&apos; age or a failure, %2 why the latest try failed</extracomment>
        <translation>%1 · letzter Versuch fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 · next try in %2</source>
        <extracomment>%1 is the figures&apos; age or a failure, %2 the time till the next try (&quot;3m&quot;)</extracomment>
        <translation>%1 · nächster Versuch in %2</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Usage History…</source>
        <translation>Nutzungsverlauf…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Welcome Guide…</source>
        <translation>Einführung…</translation>
    </message>
    <message>
        <source>Quit Quotabar</source>
        <translation>Quotabar beenden</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>No provider is shown</source>
        <translation>Kein Anbieter wird angezeigt</translation>
    </message>
</context>
<context>
    <name>TitleModel</name>
    <message>
        <source>S:</source>
        <extracomment>The session (five-hour) window&apos;s short label in the panel, before its percentage</extracomment>
        <translation>S:</translation>
    </message>
    <message>
        <source>W:</source>
        <extracomment>The weekly window&apos;s short label in the panel, before its percentage</extracomment>
        <translation>W:</translation>
    </message>
    <message>
        <source>M:</source>
        <extracomment>The short label in the panel of a month-long window standing in the weekly place</extracomment>
        <translation>M:</translation>
    </message>
    <message>
        <source>D:</source>
        <extracomment>The short label in the panel of a window of another length (neither a week nor a month) in the weekly place</extracomment>
        <translation>Z:</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Quotabar %1 is Available</source>
        <extracomment>A dialog&apos;s title: %1 is the new version (&quot;1.4.0&quot;)</extracomment>
        <translation>Quotabar %1 ist verfügbar</translation>
    </message>
    <message>
        <source>You have version %1. Click Download to get the latest version.</source>
        <extracomment>%1 is the running version (&quot;1.3.2&quot;); &quot;Download&quot; names the dialog&apos;s &quot;Download Update&quot; button</extracomment>
        <translation>Sie haben Version %1. Klicken Sie auf „Aktualisierung herunterladen“, um die neueste Version zu erhalten.</translation>
    </message>
    <message>
        <source>Download Update</source>
        <extracomment>The dialog&apos;s buttons: download the new version now, or not now</extracomment>
        <translation>Aktualisierung herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Quotabar is Up to Date</source>
        <translation>Quotabar ist aktuell</translation>
    </message>
    <message>
        <source>Quotabar %1 is currently the newest version available.</source>
        <extracomment>%1 is the running version (&quot;1.3.2&quot;)</extracomment>
        <translation>Quotabar %1 ist derzeit die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The dialog&apos;s only button, closing it</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Check Failed</source>
        <translation>Suche nach Aktualisierungen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not retrieve update information. Please try again later.</source>
        <translation>Informationen zu Aktualisierungen konnten nicht abgerufen werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>UsageFetcher</name>
    <message>
        <source>No session key — add one in Preferences</source>
        <translation>Kein Sitzungsschlüssel — fügen Sie einen in den Einstellungen hinzu</translation>
    </message>
    <message>
        <source>Session key contains invalid characters</source>
        <translation>Sitzungsschlüssel enthält ungültige Zeichen</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>Session</source>
        <extracomment>The five-hour limit&apos;s name in the history window, as in &quot;Session: 72% left&quot;</extracomment>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day limit&apos;s name in the history window, as in &quot;Weekly: 45% left&quot;</extracomment>
        <translation>Woche</translation>
    </message>
    <message numerus="yes">
        <source>Ahead of pace · %n points to spare</source>
        <extracomment>How the usage left stands against an even spread over the period; %n is percentage points more left than that. Keep &quot; · &quot;: the screen reader&apos;s summary reads it as a comma.</extracomment>
        <translation>
            <numerusform>Vor dem Zeitplan · %n Prozentpunkt Reserve</numerusform>
            <numerusform>Vor dem Zeitplan · %n Prozentpunkte Reserve</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind pace · %n points short</source>
        <extracomment>%n is percentage points fewer left than an even spread over the period would leave</extracomment>
        <translation>
            <numerusform>Hinter dem Zeitplan · %n Prozentpunkt zu wenig</numerusform>
            <numerusform>Hinter dem Zeitplan · %n Prozentpunkte zu wenig</numerusform>
        </translation>
    </message>
    <message>
        <source>On pace</source>
        <extracomment>The usage left is near what an even spread over the period would leave</extracomment>
        <translation>Im Zeitplan</translation>
    </message>
    <message>
        <source>Session limit reached %1</source>
        <extracomment>%1 is when the limit was used up, e.g. &quot;Tue 14:05&quot;</extracomment>
        <translation>Sitzungslimit erreicht: %1</translation>
    </message>
    <message>
        <source>Weekly limit reached %1</source>
        <extracomment>%1 is when the limit was used up, e.g. &quot;Tue 14:05&quot;</extracomment>
        <translation>Wochenlimit erreicht: %1</translation>
    </message>
    <message>
        <source>%1 · reset time unknown</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one</extracomment>
        <translation>%1 · Zeitpunkt der Zurücksetzung unbekannt</translation>
    </message>
    <message>
        <source>%1 · available again %2</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one, %2 when it came back (&quot;16:00&quot;, &quot;Wed 09:00&quot;)</extracomment>
        <translation>%1 · wieder verfügbar seit %2</translation>
    </message>
    <message>
        <source>%1 · available again at %2</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one, %2 when it comes back (&quot;16:00&quot;, &quot;Wed 09:00&quot;)</extracomment>
        <translation>%1 · wieder verfügbar ab %2</translation>
    </message>
    <message>
        <source>%1: no records in the last 24 hours.</source>
        <extracomment>Read by a screen reader; %1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;)</extracomment>
        <translation>%1: keine Einträge in den letzten 24 Stunden.</translation>
    </message>
    <message>
        <source>%1: no records in the last 7 days.</source>
        <extracomment>Read by a screen reader; %1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;)</extracomment>
        <translation>%1: keine Einträge in den letzten 7 Tagen.</translation>
    </message>
    <message numerus="yes">
        <source>%n resets</source>
        <extracomment>How many times the limit was reset in the span, read by a screen reader</extracomment>
        <translation>
            <numerusform>%n Zurücksetzung</numerusform>
            <numerusform>%n Zurücksetzungen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reset</source>
        <extracomment>The limit was reset once in the span, read by a screen reader</extracomment>
        <translation>1 Zurücksetzung</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 24 hours; %5.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;</extracomment>
        <translation>%1: %2 übrig (Stand %3); Tiefstwert %4 in den letzten 24 Stunden; %5.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 7 days; %5.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;</extracomment>
        <translation>%1: %2 übrig (Stand %3); Tiefstwert %4 in den letzten 7 Tagen; %5.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 24 hours; %5; %6.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;, %6 the pace (&quot;Ahead of pace, 12 points to spare&quot;)</extracomment>
        <translation>%1: %2 übrig (Stand %3); Tiefstwert %4 in den letzten 24 Stunden; %5; %6.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 7 days; %5; %6.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;, %6 the pace (&quot;Ahead of pace, 12 points to spare&quot;)</extracomment>
        <translation>%1: %2 übrig (Stand %3); Tiefstwert %4 in den letzten 7 Tagen; %5; %6.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The program&apos;s path holds %, \ or a control character, which autostart entries cannot start; move Quotabar to another folder</source>
        <translation>Der Pfad des Programms enthält %, \ oder ein Steuerzeichen, daher kann ein Autostart-Eintrag es nicht starten; verschieben Sie Quotabar in einen anderen Ordner</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht erstellt werden</translation>
    </message>
</context>
</TS>
