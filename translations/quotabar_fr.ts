<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccountEdits</name>
    <message>
        <source>add-same-sign-in takes a provider, an organisation or workspace id and a label</source>
        <extracomment>&quot;add-same-sign-in&quot; is a command&apos;s name: keep it as it is</extracomment>
        <translation>add-same-sign-in attend un fournisseur, un identifiant d’organisation ou d’espace de travail et un nom</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an organisation or workspace id</source>
        <extracomment>%1 is what was given as an organisation&apos;s or workspace&apos;s id</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un identifiant d’organisation ou d’espace de travail</translation>
    </message>
    <message>
        <source>an account for &apos;%1&apos; exists already</source>
        <extracomment>%1 is an organisation&apos;s or workspace&apos;s id</extracomment>
        <translation>un compte pour «&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
    <message>
        <source>unknown edit &apos;%1&apos;</source>
        <extracomment>%1 is the edit asked for, as given (&quot;rename&quot;)</extracomment>
        <translation>modification «&#xa0;%1&#xa0;» inconnue</translation>
    </message>
    <message>
        <source>rename takes an account and a label</source>
        <extracomment>&quot;rename&quot; is a command&apos;s name: keep it as it is</extracomment>
        <translation>rename attend un compte et un nom</translation>
    </message>
    <message>
        <source>%1 takes one account</source>
        <extracomment>%1 is a command&apos;s name (&quot;show&quot;, &quot;hide&quot;, &quot;remove&quot;): keep it as it is</extracomment>
        <translation>%1 attend un seul compte</translation>
    </message>
    <message>
        <source>no account &apos;%1&apos; (two accounts with that label are named by their ids)</source>
        <extracomment>%1 is the account&apos;s id or label, as given</extracomment>
        <translation>aucun compte «&#xa0;%1&#xa0;» (deux comptes portant ce nom se désignent par leur id)</translation>
    </message>
    <message>
        <source>a label cannot be empty</source>
        <translation>un nom ne peut pas être vide</translation>
    </message>
    <message>
        <source>%1 is the provider&apos;s first account: clear its key in Preferences instead</source>
        <extracomment>%1 is the account&apos;s label</extracomment>
        <translation>%1 est le premier compte du fournisseur&#xa0;: effacez plutôt sa clé dans les Préférences</translation>
    </message>
    <message>
        <source>unknown provider &apos;%1&apos; (claude or chatgpt)</source>
        <extracomment>%1 is the provider as given; &quot;claude&quot; and &quot;chatgpt&quot; are the names to give: keep them as they are</extracomment>
        <translation>fournisseur «&#xa0;%1&#xa0;» inconnu (claude ou chatgpt)</translation>
    </message>
    <message>
        <source>unknown key source &apos;%1&apos; (key or browser)</source>
        <extracomment>%1 is the source as given; &quot;key&quot; and &quot;browser&quot; are the names to give: keep them as they are</extracomment>
        <translation>source de clé «&#xa0;%1&#xa0;» inconnue (key ou browser)</translation>
    </message>
    <message>
        <source>no key was given</source>
        <translation>aucune clé n’a été fournie</translation>
    </message>
    <message>
        <source>the key holds invalid characters</source>
        <translation>la clé contient des caractères non valides</translation>
    </message>
</context>
<context>
    <name>AccountList</name>
    <message>
        <source>Account %1</source>
        <extracomment>The label a new account gets until the user names it: %1 is its place among the provider&apos;s accounts (&quot;2&quot;)</extracomment>
        <translation>Compte %1</translation>
    </message>
</context>
<context>
    <name>AccountRows</name>
    <message>
        <source>%1 sign-in in %2</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex), %2 the folder holding its sign-in</extracomment>
        <translation>Connexion %1 dans %2</translation>
    </message>
    <message>
        <source>Session key above</source>
        <extracomment>An account&apos;s source: the session key typed in the field above the list</extracomment>
        <translation>Clé de session ci-dessus</translation>
    </message>
    <message>
        <source>Pasted key</source>
        <translation>Clé collée</translation>
    </message>
    <message>
        <source>Key imported from a browser</source>
        <translation>Clé importée d’un navigateur</translation>
    </message>
    <message>
        <source>Another organisation of the same sign-in</source>
        <translation>Autre organisation de la même connexion</translation>
    </message>
    <message>
        <source>Another workspace of the same sign-in</source>
        <translation>Autre espace de travail de la même connexion</translation>
    </message>
    <message>
        <source>No sign-in in this folder</source>
        <translation>Aucune connexion dans ce dossier</translation>
    </message>
    <message>
        <source>Needs the first account&apos;s sign-in</source>
        <translation>Nécessite la connexion du premier compte</translation>
    </message>
    <message>
        <source>No key stored</source>
        <translation>Aucune clé enregistrée</translation>
    </message>
    <message>
        <source>Not answered yet</source>
        <translation>Pas encore de réponse</translation>
    </message>
    <message>
        <source>Hidden — not asked</source>
        <extracomment>An account hidden from the panel is not asked for its usage</extracomment>
        <translation>Masqué — non interrogé</translation>
    </message>
    <message>
        <source>Refused — sign in again or use a new key</source>
        <translation>Refusé — reconnectez-vous ou utilisez une nouvelle clé</translation>
    </message>
    <message>
        <source>Connected · %1</source>
        <extracomment>%1 is the account&apos;s plan as the service names it (Pro, Max, Plus)</extracomment>
        <translation>Connecté · %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Paste a Key…</source>
        <translation>Coller une clé…</translation>
    </message>
</context>
<context>
    <name>AccountsBlock</name>
    <message>
        <source>ACCOUNTS</source>
        <extracomment>The heading of the list of one provider&apos;s accounts, in capitals like the other section headings</extracomment>
        <translation>COMPTES</translation>
    </message>
    <message>
        <source>Add Account…</source>
        <translation>Ajouter un compte…</translation>
    </message>
    <message>
        <source>Show this account in the panel and the menu</source>
        <translation>Afficher ce compte dans le panneau et le menu</translation>
    </message>
    <message>
        <source>Shown</source>
        <extracomment>What a screen reader calls the check box that shows an account in the panel</extracomment>
        <translation>Affiché</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>What a screen reader calls the field holding an account&apos;s name
----------
The account&apos;s name</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>A small button that asks the account&apos;s service for its usage now</extracomment>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Ask the service now</source>
        <translation>Interroger le service maintenant</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove this account</source>
        <translation>Supprimer ce compte</translation>
    </message>
    <message>
        <source>Add %1 Account</source>
        <extracomment>%1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>Ajouter un compte %1</translation>
    </message>
    <message>
        <source>Work, Personal…</source>
        <extracomment>Example names for an account</extracomment>
        <translation>Travail, personnel…</translation>
    </message>
    <message>
        <source>Enter sessionKey</source>
        <extracomment>sessionKey is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>Saisir sessionKey</translation>
    </message>
    <message>
        <source>Enter __Secure-next-auth.session-token</source>
        <extracomment>__Secure-next-auth.session-token is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>Saisir __Secure-next-auth.session-token</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The session key the account signs in with</extracomment>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the account with the pasted key</extracomment>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>BrowserCookies</name>
    <message>
        <source>The cookies of %1 could not be read: %2.</source>
        <extracomment>%1 is a browser profile (&quot;Firefox (default-release)&quot;), %2 the reason</extracomment>
        <translation>Impossible de lire les cookies de %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Unknown browser &apos;%1&apos;: name one of %2, with -flatpak or -snap for those installs.</source>
        <extracomment>The command line&apos;s answer to a browser name it does not know: %1 that name, %2 the names it knows (&quot;firefox, chromium, …&quot;). The names and -flatpak, -snap are typed as they are.</extracomment>
        <translation>Navigateur «&#xa0;%1&#xa0;» inconnu&#xa0;: indiquez l’un des noms %2, en ajoutant -flatpak ou -snap pour ces installations.</translation>
    </message>
    <message>
        <source>No %1 profile was found.</source>
        <extracomment>%1 is a browser&apos;s name as typed on the command line (&quot;firefox&quot;, &quot;chromium-snap&quot;)</extracomment>
        <translation>Aucun profil %1 n’a été trouvé.</translation>
    </message>
    <message>
        <source>%1 has no profile &apos;%2&apos;; its profiles: %3.</source>
        <extracomment>%1 is a browser&apos;s name as typed on the command line, %2 the profile asked for, %3 its profiles</extracomment>
        <translation>%1 n’a pas de profil «&#xa0;%2&#xa0;»&#x202f;; ses profils&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 is not signed in to %2: sign in there first.</source>
        <extracomment>%1 is a browser profile (&quot;Firefox (default-release)&quot;), %2 the site (claude.ai)</extracomment>
        <translation>%1 n’est pas connecté à %2&#xa0;: connectez-vous d’abord dans ce navigateur.</translation>
    </message>
    <message>
        <source>no keyring is available</source>
        <translation>aucun trousseau n’est disponible</translation>
    </message>
    <message>
        <source>%1 keeps its cookie key behind the desktop portal, out of other programs&apos; reach: paste the %2 cookie&apos;s value instead.</source>
        <extracomment>%1 is a browser profile, %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>%1 garde la clé de ses cookies derrière le portail du bureau, hors de portée des autres programmes&#xa0;: collez plutôt la valeur du cookie %2.</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 is encrypted in a way Quotabar does not know: paste its value instead.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;)</extracomment>
        <translation>Le cookie %1 de %2 est chiffré d’une manière que Quotabar ne connaît pas&#xa0;: collez plutôt sa valeur.</translation>
    </message>
    <message>
        <source>%1 keeps its cookie password in the desktop keyring, which stayed locked: import again and unlock it when asked, or paste the %2 cookie&apos;s value instead.</source>
        <extracomment>%1 is a browser (Google Chrome), %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>%1 garde le mot de passe de ses cookies dans le trousseau du bureau, qui est resté verrouillé&#xa0;: importez à nouveau et déverrouillez-le quand il vous est demandé, ou collez plutôt la valeur du cookie %2.</translation>
    </message>
    <message>
        <source>%1 keeps its cookie password in the desktop keyring, which did not give it (%2).</source>
        <extracomment>%1 is a browser (Google Chrome), %2 why the keyring did not give the password</extracomment>
        <translation>%1 garde le mot de passe de ses cookies dans le trousseau du bureau, qui ne l’a pas fourni (%2).</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 could not be decrypted with %3&apos;s password; nothing was stored.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;), %3 the browser (Chromium)</extracomment>
        <translation>Impossible de déchiffrer le cookie %1 de %2 avec le mot de passe de %3&#x202f;; rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 does not hold a usable value; nothing was stored.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;)</extracomment>
        <translation>Le cookie %1 de %2 ne contient pas de valeur utilisable&#x202f;; rien n’a été enregistré.</translation>
    </message>
</context>
<context>
    <name>BrowserCookiesPlugin</name>
    <message>
        <source>The browser import could not be loaded: %1</source>
        <extracomment>%1 is the reason the system gives for not loading the import&apos;s library</extracomment>
        <translation>Impossible de charger l’importation depuis un navigateur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BrowserImport</name>
    <message>
        <source>until the browser closes</source>
        <extracomment>How long a browser&apos;s sign-in lasts when it has no end date</extracomment>
        <translation>jusqu’à la fermeture du navigateur</translation>
    </message>
    <message>
        <source>expired %1</source>
        <extracomment>%1 is the date and time a browser&apos;s sign-in ended</extracomment>
        <translation>expirée le %1</translation>
    </message>
    <message>
        <source>expires %1</source>
        <extracomment>%1 is the date and time a browser&apos;s sign-in ends</extracomment>
        <translation>expire le %1</translation>
    </message>
    <message>
        <source>Import %1 Key from Browser</source>
        <extracomment>The import window&apos;s title; %1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>Importer la clé %1 depuis un navigateur</translation>
    </message>
</context>
<context>
    <name>BrowserImportDialog</name>
    <message>
        <source>Quotabar reads a copy of the browser&apos;s cookies once, now, and keeps only the sign-in you choose.</source>
        <translation>Quotabar lit une seule fois, maintenant, une copie des cookies du navigateur et ne garde que la connexion que vous choisissez.</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Imports the sign-in of the chosen browser profile</extracomment>
        <translation>Importer</translation>
    </message>
</context>
<context>
    <name>ChartPlugin</name>
    <message>
        <source>The chart could not be loaded: %1</source>
        <extracomment>%1 is the reason the system gives for not loading the chart&apos;s library</extracomment>
        <translation>Impossible de charger le graphique&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ClaudeResponses</name>
    <message>
        <source>Could not find org UUID in /api/account</source>
        <translation>UUID d’organisation introuvable dans /api/account</translation>
    </message>
    <message>
        <source>Unexpected usage response format</source>
        <translation>Format de réponse d’utilisation inattendu</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name in its row of the menu</extracomment>
        <translation>Session</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name in its row of the menu</extracomment>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Opus weekly</source>
        <extracomment>A row of the menu: the weekly limit of the Opus models</extracomment>
        <translation>Opus (semaine)</translation>
    </message>
    <message>
        <source>Sonnet weekly</source>
        <extracomment>A row of the menu: the weekly limit of the Sonnet models</extracomment>
        <translation>Sonnet (semaine)</translation>
    </message>
    <message>
        <source>OAuth apps weekly</source>
        <extracomment>A row of the menu: the weekly limit of the apps signed in with OAuth</extracomment>
        <translation>Apps OAuth (semaine)</translation>
    </message>
    <message>
        <source>%1 weekly</source>
        <extracomment>A row of the menu: the weekly limit of what %1 names (&quot;Routines&quot;, an Anthropic model)
----------
A row of the menu: the weekly limit of the model %1 names (&quot;Opus&quot;, &quot;Fable&quot;)</extracomment>
        <translation>%1 (semaine)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>no running Quotabar answers</source>
        <translation>aucun Quotabar en cours ne répond</translation>
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
        <translation>Utilisation&#xa0;: quotabar [commande]
Sans commande, lance Quotabar dans le panneau (un second lancement se termine aussitôt).

Commandes (elles ne lancent jamais Quotabar&#x202f;; status et refresh interrogent celui qui tourne)&#xa0;:
  status                       une ligne par fournisseur affiché, avec les textes du menu
  status --json                tout l’état en un seul objet JSON (schéma version 1)
  status --waybar [--follow]   JSON de module personnalisé Waybar&#x202f;; --follow écrit une ligne
                               à chaque changement
  status --polybar [--follow]  le titre au format de Polybar, en couleur si bas ou critique
  status --account ID|LABEL    l’un des formats ci-dessus, pour un seul compte
  refresh [--json|--waybar|--polybar]
                               actualise, attend les résultats (30 s au plus), écrit comme status
  accounts [--json]            les comptes&#xa0;: id, fournisseur, nom, source, affiché ou masqué, état
  accounts show|hide|remove ID affiche, masque ou supprime un compte (par son id ou son nom)
  accounts rename ID LABEL     donne un autre nom à un compte
  accounts add claude|chatgpt [--label LABEL]
                               ajoute un compte avec la clé lue sur l’entrée standard
  accounts add claude|chatgpt --from-browser BROWSER[:PROFILE] [--label LABEL]
                               ajoute un compte avec le cookie de connexion du profil de navigateur
                               (firefox, librewolf, chromium, chrome, brave, edge, vivaldi&#x202f;;
                               firefox-flatpak, chromium-snap, … pour une installation isolée)
  accounts add claude|chatgpt --organization|--workspace ID [--label LABEL]
                               ajoute une autre organisation ou un autre espace de travail
                               de la connexion du premier compte
  accounts browsers            les profils de navigateur connectés à claude.ai ou chatgpt.com et
                               la date d’expiration de chaque connexion&#x202f;; lit lui-même les cookies
                               des navigateurs, n’affiche jamais la valeur d’un cookie
  --version                    affiche la version
  --help                       affiche cette aide

Code de retour&#xa0;: 0 chaque fournisseur affiché a des chiffres (ou la modification des comptes
a été faite), 1 l’un d’eux n’a pas de données utilisables (ou la modification a été refusée),
2 aucun Quotabar en cours ne répond, 64 commande ou option inconnue&#x202f;; accounts browsers&#xa0;:
0 une connexion non expirée a été trouvée, 1 aucune.
--waybar et --polybar renvoient 0 dès qu’ils ont écrit, pour que la barre affiche la classe
d’erreur.
--follow continue tant que Quotabar ne tourne pas&#xa0;: il écrit une ligne qui le signale et l’attend.
</translation>
    </message>
    <message>
        <source>Quotabar %1 (build %2)</source>
        <extracomment>--version&apos;s answer: %1 is the version (&quot;1.3.2&quot;), %2 the build number (&quot;412&quot;)</extracomment>
        <translation>Quotabar %1 (compilation %2)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the command as given</extracomment>
        <translation>commande «&#xa0;%1&#xa0;» inconnue</translation>
    </message>
    <message>
        <source>unexpected option &apos;%1&apos;</source>
        <extracomment>%1 is an option as given (&quot;--jsno&quot;)</extracomment>
        <translation>option «&#xa0;%1&#xa0;» inattendue</translation>
    </message>
    <message>
        <source>--follow goes with --waybar or --polybar</source>
        <extracomment>--follow, --waybar and --polybar are options: keep them as they are</extracomment>
        <translation>--follow s’utilise avec --waybar ou --polybar</translation>
    </message>
    <message>
        <source>no account &apos;%1&apos; (two accounts with that label are named by their ids)</source>
        <extracomment>%1 is the account&apos;s id or label, as given</extracomment>
        <translation>aucun compte «&#xa0;%1&#xa0;» (deux comptes portant ce nom se désignent par leur id)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option as given (&quot;--label&quot;)</extracomment>
        <translation>%1 nécessite une valeur</translation>
    </message>
    <message>
        <source>accounts add takes claude or chatgpt</source>
        <extracomment>&quot;accounts add&quot;, &quot;claude&quot; and &quot;chatgpt&quot; are typed as they are: keep them</extracomment>
        <translation>accounts add attend claude ou chatgpt</translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>rien n’a été importé</translation>
    </message>
    <message>
        <source>accounts add reads the key from standard input, and it was empty</source>
        <extracomment>&quot;accounts add&quot; is a command: keep it as it is</extracomment>
        <translation>accounts add lit la clé sur l’entrée standard, et elle était vide</translation>
    </message>
    <message>
        <source>unknown accounts command &apos;%1&apos;</source>
        <extracomment>%1 is what followed &quot;accounts&quot;, as given</extracomment>
        <translation>commande accounts «&#xa0;%1&#xa0;» inconnue</translation>
    </message>
    <message>
        <source>Quotabar has no account &apos;%1&apos;</source>
        <extracomment>A bar&apos;s tooltip: %1 is the account&apos;s id or label, as given</extracomment>
        <translation>Quotabar n’a aucun compte «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Quotabar is not running</source>
        <translation>Quotabar n’est pas lancé</translation>
    </message>
    <message>
        <source>%1 (%2 cookie of %3):</source>
        <extracomment>A heading: %1 is the provider (&quot;Claude&quot;), %2 the cookie&apos;s name (&quot;sessionKey&quot;), %3 the site (&quot;claude.ai&quot;)</extracomment>
        <translation>%1 (cookie %2 de %3)&#xa0;:</translation>
    </message>
    <message>
        <source>until the browser closes</source>
        <extracomment>How long a browser&apos;s sign-in cookie lasts, when it has no expiry date</extracomment>
        <translation>jusqu’à la fermeture du navigateur</translation>
    </message>
    <message>
        <source>expired %1</source>
        <extracomment>%1 is when the sign-in cookie expired (a date and time)</extracomment>
        <translation>expiré le %1</translation>
    </message>
    <message>
        <source>expires %1</source>
        <extracomment>%1 is when the sign-in cookie expires (a date and time)</extracomment>
        <translation>expire le %1</translation>
    </message>
    <message>
        <source>none: %1</source>
        <extracomment>Below a provider&apos;s heading when no browser profile is signed in: %1 says why</extracomment>
        <translation>aucun&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CookieDatabase</name>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;</extracomment>
        <translation>le pilote SQLite de Qt n’est pas installé</translation>
    </message>
    <message>
        <source>no private temporary folder: %1</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;; %1 is the system&apos;s reason</extracomment>
        <translation>pas de dossier temporaire privé&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot copy %1: %2</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;; %1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>impossible de copier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CredentialSource</name>
    <message>
        <source>%1 sign-in expired — run %2 to sign in again</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex), %2 the command that signs in again (&quot;claude&quot;)</extracomment>
        <translation>Connexion %1 expirée — lancez %2 pour vous reconnecter</translation>
    </message>
</context>
<context>
    <name>CredentialStore</name>
    <message>
        <source>Stored in the keyring</source>
        <extracomment>Where a key is kept: the desktop&apos;s keyring (Secret Service, KWallet)</extracomment>
        <translation>Enregistrée dans le trousseau</translation>
    </message>
    <message>
        <source>Stored in a file only you can read</source>
        <translation>Enregistrée dans un fichier que vous seul pouvez lire</translation>
    </message>
    <message>
        <source>Stored in the keyring, which is locked: unlock it to use this key</source>
        <translation>Enregistrée dans le trousseau, qui est verrouillé&#xa0;: déverrouillez-le pour utiliser cette clé</translation>
    </message>
</context>
<context>
    <name>CredentialTest</name>
    <message>
        <source>Session expired - import again from %1</source>
        <extracomment>%1 is a browser profile, e.g. &quot;Firefox (default-release)&quot;</extracomment>
        <translation>Session expirée - réimportez depuis %1</translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation>Test en cours…</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>The key was tried and the service answered</extracomment>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Session expired - check your key</source>
        <translation>Session expirée - vérifiez votre clé</translation>
    </message>
    <message>
        <source>Imported from %1</source>
        <extracomment>%1 is a browser profile, e.g. &quot;Firefox (default-release)&quot;</extracomment>
        <translation>Importée depuis %1</translation>
    </message>
    <message>
        <source>Found your %1 sign-in — use it</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex)</extracomment>
        <translation>Connexion %1 trouvée — l’utiliser</translation>
    </message>
    <message>
        <source>Using your %1 sign-in</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex)</extracomment>
        <translation>Connexion %1 utilisée</translation>
    </message>
    <message>
        <source>Asked to wait · next try in %1</source>
        <extracomment>The service asked to be left alone; %1 is how long until it is asked again (&quot;4 min&quot;)</extracomment>
        <translation>Attente demandée · nouvel essai dans %1</translation>
    </message>
</context>
<context>
    <name>DisplayFormats</name>
    <message>
        <source>Session &amp; Weekly</source>
        <extracomment>A choice of what the panel shows: the session and weekly figures</extracomment>
        <translation>Session et semaine</translation>
    </message>
    <message>
        <source>Session Only</source>
        <extracomment>A choice of what the panel shows: the session figure alone</extracomment>
        <translation>Session uniquement</translation>
    </message>
    <message>
        <source>Weekly Only</source>
        <extracomment>A choice of what the panel shows: the weekly figure alone</extracomment>
        <translation>Semaine uniquement</translation>
    </message>
    <message>
        <source>Session &amp; Timer</source>
        <extracomment>A choice of what the panel shows: the session figure and the time to its reset</extracomment>
        <translation>Session et minuteur</translation>
    </message>
    <message>
        <source>Weekly &amp; Timer</source>
        <extracomment>A choice of what the panel shows: the weekly figure and the time to its reset</extracomment>
        <translation>Semaine et minuteur</translation>
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
            <numerusform>%n&#xa0;h</numerusform>
            <numerusform>%n&#xa0;h</numerusform>
        </translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1&#xa0;jour</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n&#xa0;jour</numerusform>
            <numerusform>%n&#xa0;jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min.</source>
        <extracomment>Minutes, abbreviated (&quot;20 min.&quot;)</extracomment>
        <translation>
            <numerusform>%n&#xa0;min</numerusform>
            <numerusform>%n&#xa0;min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>%1d</source>
        <extracomment>A countdown in whole days, abbreviated to fit the panel (&quot;4d&quot;)</extracomment>
        <translation>%1j</translation>
    </message>
    <message>
        <source>%1h</source>
        <extracomment>A countdown in whole hours, abbreviated to fit the panel (&quot;23h&quot;)</extracomment>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1m</source>
        <extracomment>A countdown in whole minutes, abbreviated to fit the panel (&quot;45m&quot;)</extracomment>
        <translation>%1min</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>Shown in the panel in place of a percentage or a countdown that is not known yet; keep it short</extracomment>
        <translation>nouv.</translation>
    </message>
</context>
<context>
    <name>HTTPClient</name>
    <message>
        <source>No HTTP response</source>
        <translation>Aucune réponse HTTP</translation>
    </message>
    <message>
        <source>Blocked by Cloudflare challenge</source>
        <translation>Bloqué par une vérification Cloudflare</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <extracomment>A failed request: %1 is the HTTP status code (&quot;503&quot;)</extracomment>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>Refused to send a sign-in over an unencrypted connection</source>
        <translation>Envoi d’identifiants refusé sur une connexion non chiffrée</translation>
    </message>
</context>
<context>
    <name>HistoryChartPane</name>
    <message>
        <source>%1: %2 left
%3</source>
        <extracomment>A chart point&apos;s tooltip: %1 the line (&quot;Session&quot;), %2 the percentage left, %3 the record&apos;s day and time</extracomment>
        <translation>%1&#xa0;: %2 restants
%3</translation>
    </message>
    <message>
        <source>%1 usage chart</source>
        <extracomment>What a screen reader calls the chart; %1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>Graphique d’utilisation %1</translation>
    </message>
    <message>
        <source>Limits reached</source>
        <extracomment>The heading of the list of times a limit was used up</extracomment>
        <translation>Limites atteintes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;), %2 how it stands against the even pace</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No limit reached in the last 24 hours.</source>
        <translation>Aucune limite atteinte au cours des dernières 24 heures.</translation>
    </message>
    <message>
        <source>No limit reached in the last 7 days.</source>
        <translation>Aucune limite atteinte au cours des 7 derniers jours.</translation>
    </message>
    <message>
        <source>No current period to pace.</source>
        <extracomment>Shown in place of the pace when no limit has a period running</extracomment>
        <translation>Aucune période en cours pour évaluer le rythme.</translation>
    </message>
    <message>
        <source>%1 pace</source>
        <extracomment>The chart&apos;s legend: the even pace line of a limit; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1&#xa0;: rythme</translation>
    </message>
    <message>
        <source>%1 resets</source>
        <extracomment>The chart&apos;s legend: the marks where a limit reset; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1&#xa0;: réinitialisations</translation>
    </message>
    <message>
        <source>%1 reset</source>
        <extracomment>A reset mark&apos;s tooltip, over its day and time; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1&#xa0;: réinitialisation</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The usage history could not be written to %1</source>
        <extracomment>A warning: %1 is the history file&apos;s path</extracomment>
        <translation>Impossible d’écrire l’historique d’utilisation dans %1</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>24 Hours</source>
        <extracomment>The span the history window shows: the last 24 hours, or the last 7 days</extracomment>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The save dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Impossible d’écrire le fichier.</translation>
    </message>
</context>
<context>
    <name>HistoryWindowController</name>
    <message>
        <source>Quotabar — Usage History</source>
        <translation>Quotabar — Historique d’utilisation</translation>
    </message>
</context>
<context>
    <name>Illustrations</name>
    <message>
        <source>S:72%  W:45%</source>
        <extracomment>A sample panel item: S is the session (five-hour) limit, W the weekly one, as the panel&apos;s own labels abbreviate them; keep the two spaces between them</extracomment>
        <translation>S:72%  H:45%</translation>
    </message>
    <message>
        <source>Your remaining tokens</source>
        <extracomment>The callout pointing at the sample panel item</extracomment>
        <translation>Vos jetons restants</translation>
    </message>
    <message>
        <source>Developer Tools — %1</source>
        <extracomment>The title of a sample browser developer tools window; %1 is the site (claude.ai)</extracomment>
        <translation>Outils de développement — %1</translation>
    </message>
    <message>
        <source>Application</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Application</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Console</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Console</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Storage</source>
        <extracomment>A section of the developer tools&apos; Application tab, as the browser names it</extracomment>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Cookies</source>
        <extracomment>The cookies list under Storage in the developer tools, as the browser names it</extracomment>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column heading of the developer tools&apos; cookie table</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>A column heading of the developer tools&apos; cookie table</extracomment>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>LimitWindows</name>
    <message>
        <source>%1-day</source>
        <extracomment>A limit window&apos;s length as its name (&quot;30-day&quot;), also in rows such as &quot;Code review 30-day&quot;</extracomment>
        <translation>%1&#xa0;jours</translation>
    </message>
    <message>
        <source>%1-hour</source>
        <extracomment>A limit window&apos;s length as its name (&quot;12-hour&quot;)</extracomment>
        <translation>%1&#xa0;heures</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>The request timed out.</source>
        <translation>Le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>Response too large</source>
        <extracomment>A service&apos;s answer was bigger than any usage answer can be</extracomment>
        <translation>Réponse trop volumineuse</translation>
    </message>
</context>
<context>
    <name>NoticeRules</name>
    <message>
        <source>session</source>
        <extracomment>A window&apos;s name in a notice, after the provider&apos;s: &quot;Claude session: 12% left&quot;</extracomment>
        <translation>session</translation>
    </message>
    <message>
        <source>weekly</source>
        <extracomment>A window&apos;s name in a notice, after the provider&apos;s: &quot;Claude weekly: 12% left&quot;</extracomment>
        <translation>semaine</translation>
    </message>
    <message>
        <source>%1 %2: %3 left</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;), %3 the remaining percentage (&quot;12%&quot;)</extracomment>
        <translation>%1 · %2&#xa0;: %3 restants</translation>
    </message>
    <message>
        <source>Resets in %1</source>
        <extracomment>A notice&apos;s text: %1 is the time till the window resets (&quot;3 hr. 20 min.&quot;)</extracomment>
        <translation>Réinitialisation dans %1</translation>
    </message>
    <message>
        <source>%1 %2 limit has reset</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;)</extracomment>
        <translation>%1 · %2&#xa0;: limite réinitialisée</translation>
    </message>
    <message>
        <source>%1 %2 available again</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;)</extracomment>
        <translation>%1 · %2&#xa0;: de nouveau disponible</translation>
    </message>
    <message>
        <source>The limit has reset; the full allowance is back.</source>
        <translation>La limite a été réinitialisée&#x202f;; tout le quota est de nouveau disponible.</translation>
    </message>
    <message>
        <source>%1 sign-in expired</source>
        <extracomment>A notice&apos;s title: %1 is the command-line tool whose sign-in is used (&quot;Claude Code&quot;, &quot;Codex&quot;)</extracomment>
        <translation>Connexion %1 expirée</translation>
    </message>
    <message>
        <source>Run %1 to sign in again.</source>
        <extracomment>A notice&apos;s text: %1 is the command that signs in again (&quot;claude&quot;, &quot;codex login&quot;)</extracomment>
        <translation>Lancez %1 pour vous reconnecter.</translation>
    </message>
    <message>
        <source>%1 session expired</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;)</extracomment>
        <translation>Session %1 expirée</translation>
    </message>
    <message>
        <source>Sign in again in %1, then import it again in Preferences.</source>
        <extracomment>A notice&apos;s text: %1 is the browser the key was taken from (&quot;Firefox&quot;)</extracomment>
        <translation>Reconnectez-vous dans %1, puis importez à nouveau la clé dans les Préférences.</translation>
    </message>
    <message>
        <source>Claude session key expired</source>
        <translation>Clé de session Claude expirée</translation>
    </message>
    <message>
        <source>Paste a new sessionKey in Preferences.</source>
        <extracomment>&quot;sessionKey&quot; is the name of the cookie: keep it as it is</extracomment>
        <translation>Collez un nouveau sessionKey dans les Préférences.</translation>
    </message>
    <message>
        <source>ChatGPT session token expired</source>
        <translation>Jeton de session ChatGPT expiré</translation>
    </message>
    <message>
        <source>Paste a new __Secure-next-auth.session-token in Preferences.</source>
        <extracomment>&quot;__Secure-next-auth.session-token&quot; is the name of the cookie: keep it as it is</extracomment>
        <translation>Collez un nouveau __Secure-next-auth.session-token dans les Préférences.</translation>
    </message>
    <message>
        <source>· %1 %2</source>
        <extracomment>A window&apos;s name in a notice when the provider has several accounts: %1 is the account&apos;s label, %2 the window (&quot;Claude · Work session: 12% left&quot;)</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 asked for fewer requests: next try in %2.</source>
        <extracomment>A notice&apos;s text: %1 is the provider (&quot;ChatGPT&quot;), %2 the time till the next try (&quot;5m&quot;)</extracomment>
        <translation>%1 demande moins de requêtes&#xa0;: nouvel essai dans %2.</translation>
    </message>
</context>
<context>
    <name>NoticesGroup</name>
    <message>
        <source>Notify when usage runs low</source>
        <extracomment>Followed by two pickers of the percentages left that each bring a notice</extracomment>
        <translation>Notifier quand il reste peu</translation>
    </message>
    <message>
        <source>Notify when a limit resets</source>
        <translation>Notifier quand une limite se réinitialise</translation>
    </message>
    <message>
        <source>Notify when a limit is available again</source>
        <translation>Notifier quand une limite redevient disponible</translation>
    </message>
    <message>
        <source>Notify when a key expires</source>
        <translation>Notifier quand une clé expire</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Open Preferences</source>
        <translation>Ouvrir les Préférences</translation>
    </message>
</context>
<context>
    <name>OnboardingPages</name>
    <message>
        <source>Ctrl+Shift+I</source>
        <extracomment>The keys that open a browser&apos;s developer tools, as the keyboard labels them</extracomment>
        <translation>Ctrl+Maj+I</translation>
    </message>
    <message>
        <source>Open Preferences →</source>
        <translation>Ouvrir les Préférences →</translation>
    </message>
    <message>
        <source>Welcome to Quotabar</source>
        <translation>Bienvenue dans Quotabar</translation>
    </message>
    <message>
        <source>A free, native %1 menu bar app that shows how much of your Claude and ChatGPT limits remain — at a glance, any time.</source>
        <extracomment>%1 is the operating system (Linux)</extracomment>
        <translation>Une application native et gratuite pour la barre de menus de %1, qui indique ce qu’il reste de vos limites Claude et ChatGPT — d’un coup d’œil, à tout moment.</translation>
    </message>
    <message>
        <source>Always Visible. Always Current.</source>
        <translation>Toujours visible. Toujours à jour.</translation>
    </message>
    <message>
        <source>Quotabar shows the percentage of your session and weekly limits that remain — directly in the menu bar. 100% means fresh. 0% means used up. No app-switching required.</source>
        <translation>Quotabar affiche le pourcentage qu’il reste de vos limites de session et hebdomadaire — directement dans la barre de menus. 100&#xa0;% signifie que tout reste, 0&#xa0;% que tout est utilisé. Inutile de changer d’application.</translation>
    </message>
    <message>
        <source>Connect Your Claude Account</source>
        <translation>Connecter votre compte Claude</translation>
    </message>
    <message>
        <source>Open %1 in your browser, press %2 to open DevTools, go to Application → Cookies → %1, and copy the value of sessionKey. Paste it in Preferences.</source>
        <extracomment>%1 is the site (claude.ai), %2 the keys that open the developer tools. Application and Cookies are what the browser&apos;s developer tools call them; sessionKey is the cookie&apos;s name.</extracomment>
        <translation>Ouvrez %1 dans votre navigateur, appuyez sur %2 pour ouvrir les outils de développement, allez dans Application → Cookies → %1 et copiez la valeur de sessionKey. Collez-la dans les Préférences.</translation>
    </message>
    <message>
        <source>Connect Your ChatGPT Account</source>
        <translation>Connecter votre compte ChatGPT</translation>
    </message>
    <message>
        <source>Open %1 in your browser, press %2, go to Application → Cookies → %1, and copy __Secure-next-auth.session-token. Paste it in Preferences.</source>
        <extracomment>%1 is the site (chatgpt.com), %2 the keys that open the developer tools. Application and Cookies are what the browser&apos;s developer tools call them; the cookie&apos;s name stays as it is.</extracomment>
        <translation>Ouvrez %1 dans votre navigateur, appuyez sur %2, allez dans Application → Cookies → %1 et copiez la valeur de __Secure-next-auth.session-token. Collez-la dans les Préférences.</translation>
    </message>
    <message>
        <source>You&apos;re All Set!</source>
        <translation>Tout est prêt&#x202f;!</translation>
    </message>
    <message>
        <source>Quotabar lives in your menu bar and updates automatically. Click it any time to see a detailed breakdown, change settings, or refresh your data.</source>
        <translation>Quotabar se trouve dans votre barre de menus et se met à jour automatiquement. Cliquez dessus à tout moment pour voir le détail, modifier les paramètres ou actualiser vos données.</translation>
    </message>
    <message>
        <source>Found your %1 sign-in — use it in Preferences.</source>
        <extracomment>%1 is a command-line tool (Claude Code, Codex)</extracomment>
        <translation>Votre connexion %1 a été trouvée — utilisez-la dans les Préférences.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of names, e.g. &quot;Claude Code and Codex&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Found your %1 sign-ins — use them in Preferences.</source>
        <extracomment>%1 lists command-line tools, e.g. &quot;Claude Code and Codex&quot;</extracomment>
        <translation>Vos connexions %1 ont été trouvées — utilisez-les dans les Préférences.</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>Ne plus afficher cette fenêtre</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Goes back one page of the welcome guide</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Goes on to the next page of the welcome guide</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Closes the welcome guide on its last page</extracomment>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>OnboardingWindowController</name>
    <message>
        <source>Welcome to Quotabar</source>
        <translation>Bienvenue dans Quotabar</translation>
    </message>
</context>
<context>
    <name>OpenAIResponses</name>
    <message>
        <source>Session expired or invalid</source>
        <translation>Session expirée ou non valide</translation>
    </message>
    <message>
        <source>Unexpected usage response format</source>
        <translation>Format de réponse d’utilisation inattendu</translation>
    </message>
    <message>
        <source>%1 session</source>
        <extracomment>A row of the menu: the session limit of what %1 names (a model, &quot;Code review&quot;)</extracomment>
        <translation>%1 (session)</translation>
    </message>
    <message>
        <source>%1 weekly</source>
        <extracomment>A row of the menu: the weekly limit of what %1 names (a model, &quot;Code review&quot;)</extracomment>
        <translation>%1 (semaine)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A row of the menu: a limit of what %1 names (a model, &quot;Code review&quot;) over a window of another length, %2 (&quot;30-day&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Code review</source>
        <extracomment>The name of ChatGPT&apos;s code review limits, at the start of their rows (&quot;Code review weekly&quot;)</extracomment>
        <translation>Revue de code</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name in its row of the menu</extracomment>
        <translation>Session</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name in its row of the menu</extracomment>
        <translation>Semaine</translation>
    </message>
</context>
<context>
    <name>OpenAIUsageFetcher</name>
    <message>
        <source>No session token — add one in Preferences</source>
        <translation>Aucun jeton de session — ajoutez-en un dans les Préférences</translation>
    </message>
    <message>
        <source>Session token contains invalid characters</source>
        <translation>Le jeton de session contient des caractères non valides</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <extracomment>A failed request: %1 is the HTTP status code (&quot;401&quot;)</extracomment>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>Workspace id contains invalid characters</source>
        <translation>L’identifiant de l’espace de travail contient des caractères non valides</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>  · lasts until reset</source>
        <extracomment>Added to a window&apos;s row in the menu (keep the two leading spaces) when its usage, at the current pace, lasts until the window resets</extracomment>
        <translation>  · tient jusqu’à la réinitialisation</translation>
    </message>
    <message>
        <source>  · runs out in ~%1</source>
        <extracomment>Added to a window&apos;s row in the menu (keep the two leading spaces): at the current pace the limit is reached in about %1 (&quot;3 hr. 20 min.&quot;)</extracomment>
        <translation>  · épuisement dans ~%1</translation>
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
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Logo and text</source>
        <extracomment>A panel style: each provider&apos;s logo with its figures written beside it</extracomment>
        <translation>Logo et texte</translation>
    </message>
    <message>
        <source>Figures in icon</source>
        <extracomment>A panel style: the figures drawn inside the icon, for panels that show no text</extracomment>
        <translation>Chiffres dans l’icône</translation>
    </message>
</context>
<context>
    <name>PreferencesModel</name>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Enter sessionKey</source>
        <extracomment>sessionKey is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>Saisir sessionKey</translation>
    </message>
    <message>
        <source>Enter __Secure-next-auth.session-token</source>
        <extracomment>__Secure-next-auth.session-token is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>Saisir __Secure-next-auth.session-token</translation>
    </message>
    <message>
        <source>How to get your Claude key →</source>
        <translation>Comment obtenir votre clé Claude →</translation>
    </message>
    <message>
        <source>How to get your ChatGPT key →</source>
        <translation>Comment obtenir votre clé ChatGPT →</translation>
    </message>
    <message>
        <source>Choose AI Provider</source>
        <translation>Choisir le fournisseur d’IA</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>A section heading; its row picks what the panel item shows</extracomment>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Show in menu bar</source>
        <translation>Dans la barre de menus</translation>
    </message>
    <message>
        <source>Panel style</source>
        <extracomment>Picks how the panel item looks</extracomment>
        <translation>Style du panneau</translation>
    </message>
    <message>
        <source>One per provider</source>
        <extracomment>One panel item for each provider, or for each account</extracomment>
        <translation>Un par fournisseur</translation>
    </message>
    <message>
        <source>One per account</source>
        <translation>Un par compte</translation>
    </message>
    <message>
        <source>Panel items</source>
        <translation>Éléments du panneau</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>A section heading; its row picks how often usage is asked for, &quot;Check every&quot; &quot;5 minutes&quot;</extracomment>
        <translation>Actualisation</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Intervalle de vérification</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>A section heading</extracomment>
        <translation>Système</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The button that stores the key typed beside it and tries it</extracomment>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Import from Browser…</source>
        <translation>Importer depuis un navigateur…</translation>
    </message>
    <message>
        <source>Take the sign-in from a browser where you are signed in</source>
        <translation>Récupérer la connexion d’un navigateur où vous êtes connecté</translation>
    </message>
    <message>
        <source>Remove the stored key</source>
        <translation>Supprimer la clé enregistrée</translation>
    </message>
    <message>
        <source>Use a session key instead</source>
        <translation>Utiliser plutôt une clé de session</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>in %n yr.</source>
        <extracomment>Time till a reset, abbreviated: in %n years</extracomment>
        <translation>
            <numerusform>dans %n a</numerusform>
            <numerusform>dans %n a</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n mo.</source>
        <extracomment>Time till a reset, abbreviated: in %n months</extracomment>
        <translation>
            <numerusform>dans %n m.</numerusform>
            <numerusform>dans %n m.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n wk.</source>
        <extracomment>Time till a reset, abbreviated: in %n weeks</extracomment>
        <translation>
            <numerusform>dans %n sem.</numerusform>
            <numerusform>dans %n sem.</numerusform>
        </translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>dans 1&#xa0;j</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>dans %n&#xa0;j</numerusform>
            <numerusform>dans %n&#xa0;j</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hr.</source>
        <extracomment>Time till a reset, abbreviated: in %n hours</extracomment>
        <translation>
            <numerusform>dans %n&#xa0;h</numerusform>
            <numerusform>dans %n&#xa0;h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n min.</source>
        <extracomment>Time till a reset, abbreviated: in %n minutes</extracomment>
        <translation>
            <numerusform>dans %n&#xa0;min</numerusform>
            <numerusform>dans %n&#xa0;min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n sec.</source>
        <extracomment>Time till a reset, abbreviated: in %n seconds</extracomment>
        <translation>
            <numerusform>dans %n&#xa0;s</numerusform>
            <numerusform>dans %n&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yr. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n years ago</extracomment>
        <translation>
            <numerusform>il y a %n a</numerusform>
            <numerusform>il y a %n a</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mo. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n months ago</extracomment>
        <translation>
            <numerusform>il y a %n m.</numerusform>
            <numerusform>il y a %n m.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wk. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n weeks ago</extracomment>
        <translation>
            <numerusform>il y a %n sem.</numerusform>
            <numerusform>il y a %n sem.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>il y a 1&#xa0;j</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>il y a %n&#xa0;j</numerusform>
            <numerusform>il y a %n&#xa0;j</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hr. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n hours ago</extracomment>
        <translation>
            <numerusform>il y a %n&#xa0;h</numerusform>
            <numerusform>il y a %n&#xa0;h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n minutes ago</extracomment>
        <translation>
            <numerusform>il y a %n&#xa0;min</numerusform>
            <numerusform>il y a %n&#xa0;min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n seconds ago</extracomment>
        <translation>
            <numerusform>il y a %n&#xa0;s</numerusform>
            <numerusform>il y a %n&#xa0;s</numerusform>
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
        <translation>Réinitialisation de la session</translation>
    </message>
    <message>
        <source>Weekly resets</source>
        <extracomment>The start of the weekly window&apos;s reset phrase (&quot;Weekly resets in 3 days&quot;)</extracomment>
        <translation>Réinitialisation de la semaine</translation>
    </message>
    <message>
        <source>resets</source>
        <extracomment>The start of the reset phrase of a limit shown in a row of its own (&quot;Opus weekly 12% resets in 3 days&quot;)</extracomment>
        <translation>réinitialisation</translation>
    </message>
</context>
<context>
    <name>SafeStorageKeyring</name>
    <message>
        <source>no session bus</source>
        <extracomment>Why the desktop keyring could not be asked: there is no session D-Bus</extracomment>
        <translation>pas de bus de session</translation>
    </message>
    <message>
        <source>the Secret Service does not answer</source>
        <extracomment>The Secret Service is the desktop keyring&apos;s D-Bus service: keep its name</extracomment>
        <translation>le Secret Service ne répond pas</translation>
    </message>
    <message>
        <source>the keyring holding %1 stayed locked</source>
        <extracomment>%1 is the keyring item&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>le trousseau contenant %1 est resté verrouillé</translation>
    </message>
    <message>
        <source>the keyring holds no %1</source>
        <extracomment>%1 is the keyring item&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>le trousseau ne contient aucun élément %1</translation>
    </message>
    <message>
        <source>KWallet does not answer</source>
        <translation>KWallet ne répond pas</translation>
    </message>
    <message>
        <source>the wallet %1 is closed</source>
        <extracomment>%1 is the KWallet wallet&apos;s name (&quot;kdewallet&quot;)</extracomment>
        <translation>le portefeuille %1 est fermé</translation>
    </message>
    <message>
        <source>KWallet did not open %1</source>
        <extracomment>%1 is the KWallet wallet&apos;s name (&quot;kdewallet&quot;)</extracomment>
        <translation>KWallet n’a pas ouvert %1</translation>
    </message>
    <message>
        <source>the wallet holds no %1</source>
        <extracomment>%1 is the wallet entry&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>le portefeuille ne contient aucune entrée %1</translation>
    </message>
</context>
<context>
    <name>SecretField</name>
    <message>
        <source>Show the key</source>
        <translation>Afficher la clé</translation>
    </message>
    <message>
        <source>Hide the key</source>
        <translation>Masquer la clé</translation>
    </message>
</context>
<context>
    <name>SettingsDefaultsStore</name>
    <message>
        <source>The settings could not be written to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Impossible d’écrire les paramètres dans %1</translation>
    </message>
</context>
<context>
    <name>SignInCookie</name>
    <message>
        <source>The %1 sign-in in %2 expired on %3: sign in to %1 there again.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Firefox (default-release)&quot;), %3 a date and time</extracomment>
        <translation>La connexion à %1 dans %2 a expiré le %3&#xa0;: reconnectez-vous à %1 dans ce navigateur.</translation>
    </message>
    <message>
        <source>No profile of Firefox, LibreWolf, Chromium, Google Chrome, Brave, Microsoft Edge or Vivaldi was found.</source>
        <translation>Aucun profil de Firefox, LibreWolf, Chromium, Google Chrome, Brave, Microsoft Edge ou Vivaldi n’a été trouvé.</translation>
    </message>
    <message>
        <source>No browser profile is signed in to %1 (no %2 cookie): sign in there first.</source>
        <extracomment>%1 is the site (claude.ai), %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>Aucun profil de navigateur n’est connecté à %1 (pas de cookie %2)&#xa0;: connectez-vous d’abord sur ce site.</translation>
    </message>
</context>
<context>
    <name>SignInUsageFetcher</name>
    <message>
        <source>Sign-in file holds invalid characters</source>
        <translation>Le fichier de connexion contient des caractères non valides</translation>
    </message>
</context>
<context>
    <name>StatusBarController</name>
    <message>
        <source>Session key invalid or expired</source>
        <translation>Clé de session non valide ou expirée</translation>
    </message>
    <message>
        <source>Session token invalid or expired</source>
        <translation>Jeton de session non valide ou expiré</translation>
    </message>
    <message>
        <source>No key — add one in Preferences</source>
        <translation>Aucune clé — ajoutez-en une dans les Préférences</translation>
    </message>
</context>
<context>
    <name>StatusBusClient</name>
    <message>
        <source>cannot make a pipe for the key</source>
        <translation>impossible de créer un tube pour la clé</translation>
    </message>
    <message>
        <source>cannot hand the key over</source>
        <extracomment>The key could not be written into the pipe that hands it to the running program</extracomment>
        <translation>impossible de transmettre la clé</translation>
    </message>
</context>
<context>
    <name>StatusBusObject</name>
    <message>
        <source>not available</source>
        <extracomment>The running program&apos;s answer to an account change it cannot make; the command line prints it</extracomment>
        <translation>non disponible</translation>
    </message>
    <message>
        <source>the key could not be read</source>
        <translation>impossible de lire la clé</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name at the start of its row in the menu</extracomment>
        <translation>Session</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name at the start of its row in the menu</extracomment>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <extracomment>The figures&apos; age when they are seconds old</extracomment>
        <translation>Actualisé à l’instant</translation>
    </message>
    <message>
        <source>Session expired — check your key</source>
        <translation>Session expirée — vérifiez votre clé</translation>
    </message>
    <message>
        <source>Session %1  %2 %3</source>
        <extracomment>One row of an account&apos;s figures: the session&apos;s remaining percentage, then the long window&apos;s name and its remaining percentage (&quot;Session 73% Weekly 41%&quot;)</extracomment>
        <translation>Session %1  %2 %3</translation>
    </message>
    <message>
        <source>Extra usage  %1 of %2 this month</source>
        <extracomment>Money spent beyond the plan this month (%1) of the month&apos;s limit (%2): &quot;Extra usage $12.40 of $50.00 this month&quot;</extracomment>
        <translation>Utilisation supplémentaire  %1 sur %2 ce mois-ci</translation>
    </message>
    <message>
        <source>Extra usage  %1 this month</source>
        <extracomment>Money spent beyond the plan this month, without a limit: &quot;Extra usage $12.40 this month&quot;</extracomment>
        <translation>Utilisation supplémentaire  %1 ce mois-ci</translation>
    </message>
    <message>
        <source>Extra usage  %1 left this month</source>
        <extracomment>The remaining percentage of the month&apos;s extra usage: &quot;Extra usage 73% left this month&quot;</extracomment>
        <translation>Utilisation supplémentaire  %1 restants ce mois-ci</translation>
    </message>
    <message>
        <source>Extra usage  on</source>
        <extracomment>Extra usage beyond the plan is switched on, with no figures known</extracomment>
        <translation>Utilisation supplémentaire  activée</translation>
    </message>
    <message>
        <source>Credits  unlimited</source>
        <extracomment>ChatGPT&apos;s credits row when the account&apos;s credits have no limit</extracomment>
        <translation>Crédits  illimités</translation>
    </message>
    <message>
        <source>Credits  %1</source>
        <extracomment>ChatGPT&apos;s credits row: %1 is the balance (&quot;123.45&quot;) or a dash when unknown</extracomment>
        <translation>Crédits  %1</translation>
    </message>
    <message numerus="yes">
        <source>Updated %ns ago</source>
        <extracomment>The age of the figures in seconds, abbreviated</extracomment>
        <translation>
            <numerusform>Actualisé il y a %n&#xa0;s</numerusform>
            <numerusform>Actualisé il y a %n&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <extracomment>The age of the figures in minutes, abbreviated</extracomment>
        <translation>
            <numerusform>Actualisé il y a %n&#xa0;min</numerusform>
            <numerusform>Actualisé il y a %n&#xa0;min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <extracomment>The age of the figures in hours, abbreviated</extracomment>
        <translation>
            <numerusform>Actualisé il y a %n&#xa0;h</numerusform>
            <numerusform>Actualisé il y a %n&#xa0;h</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring…</source>
        <translation>En attente du trousseau…</translation>
    </message>
    <message>
        <source>Keyring locked — unlock it to show figures</source>
        <translation>Trousseau verrouillé — déverrouillez-le pour afficher les chiffres</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Actualisation…</translation>
    </message>
    <message>
        <source>%1 · last try failed: %2</source>
        <extracomment>%1 is the figures&apos; age or a failure, %2 why the latest try failed</extracomment>
        <translation>%1 · échec du dernier essai&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 · next try in %2</source>
        <extracomment>%1 is the figures&apos; age or a failure, %2 the time till the next try (&quot;3m&quot;)</extracomment>
        <translation>%1 · nouvel essai dans %2</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Actualiser maintenant</translation>
    </message>
    <message>
        <source>Usage History…</source>
        <translation>Historique d’utilisation…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Welcome Guide…</source>
        <translation>Guide de bienvenue…</translation>
    </message>
    <message>
        <source>Quit Quotabar</source>
        <translation>Quitter Quotabar</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>No provider is shown</source>
        <translation>Aucun fournisseur n’est affiché</translation>
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
        <translation>H:</translation>
    </message>
    <message>
        <source>M:</source>
        <extracomment>The short label in the panel of a month-long window standing in the weekly place</extracomment>
        <translation>M:</translation>
    </message>
    <message>
        <source>D:</source>
        <extracomment>The short label in the panel of a window of another length (neither a week nor a month) in the weekly place</extracomment>
        <translation>P:</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Quotabar %1 is Available</source>
        <extracomment>A dialog&apos;s title: %1 is the new version (&quot;1.4.0&quot;)</extracomment>
        <translation>Quotabar %1 est disponible</translation>
    </message>
    <message>
        <source>You have version %1. Click Download to get the latest version.</source>
        <extracomment>%1 is the running version (&quot;1.3.2&quot;); &quot;Download&quot; names the dialog&apos;s &quot;Download Update&quot; button</extracomment>
        <translation>Vous avez la version %1. Cliquez sur «&#xa0;Télécharger la mise à jour&#xa0;» pour obtenir la dernière version.</translation>
    </message>
    <message>
        <source>Download Update</source>
        <extracomment>The dialog&apos;s buttons: download the new version now, or not now</extracomment>
        <translation>Télécharger la mise à jour</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Quotabar is Up to Date</source>
        <translation>Quotabar est à jour</translation>
    </message>
    <message>
        <source>Quotabar %1 is currently the newest version available.</source>
        <extracomment>%1 is the running version (&quot;1.3.2&quot;)</extracomment>
        <translation>Quotabar %1 est actuellement la version la plus récente.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The dialog&apos;s only button, closing it</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Check Failed</source>
        <translation>Échec de la recherche de mises à jour</translation>
    </message>
    <message>
        <source>Could not retrieve update information. Please try again later.</source>
        <translation>Impossible de récupérer les informations de mise à jour. Veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>UsageFetcher</name>
    <message>
        <source>No session key — add one in Preferences</source>
        <translation>Aucune clé de session — ajoutez-en une dans les Préférences</translation>
    </message>
    <message>
        <source>Session key contains invalid characters</source>
        <translation>La clé de session contient des caractères non valides</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>Session</source>
        <extracomment>The five-hour limit&apos;s name in the history window, as in &quot;Session: 72% left&quot;</extracomment>
        <translation>Session</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day limit&apos;s name in the history window, as in &quot;Weekly: 45% left&quot;</extracomment>
        <translation>Semaine</translation>
    </message>
    <message numerus="yes">
        <source>Ahead of pace · %n points to spare</source>
        <extracomment>How the usage left stands against an even spread over the period; %n is percentage points more left than that. Keep &quot; · &quot;: the screen reader&apos;s summary reads it as a comma.</extracomment>
        <translation>
            <numerusform>En avance sur le rythme · %n point de marge</numerusform>
            <numerusform>En avance sur le rythme · %n points de marge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind pace · %n points short</source>
        <extracomment>%n is percentage points fewer left than an even spread over the period would leave</extracomment>
        <translation>
            <numerusform>En retard sur le rythme · %n point manquant</numerusform>
            <numerusform>En retard sur le rythme · %n points manquants</numerusform>
        </translation>
    </message>
    <message>
        <source>On pace</source>
        <extracomment>The usage left is near what an even spread over the period would leave</extracomment>
        <translation>Dans le rythme</translation>
    </message>
    <message>
        <source>Session limit reached %1</source>
        <extracomment>%1 is when the limit was used up, e.g. &quot;Tue 14:05&quot;</extracomment>
        <translation>Limite de session atteinte %1</translation>
    </message>
    <message>
        <source>Weekly limit reached %1</source>
        <extracomment>%1 is when the limit was used up, e.g. &quot;Tue 14:05&quot;</extracomment>
        <translation>Limite hebdomadaire atteinte %1</translation>
    </message>
    <message>
        <source>%1 · reset time unknown</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one</extracomment>
        <translation>%1 · heure de réinitialisation inconnue</translation>
    </message>
    <message>
        <source>%1 · available again %2</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one, %2 when it came back (&quot;16:00&quot;, &quot;Wed 09:00&quot;)</extracomment>
        <translation>%1 · de nouveau disponible depuis %2</translation>
    </message>
    <message>
        <source>%1 · available again at %2</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one, %2 when it comes back (&quot;16:00&quot;, &quot;Wed 09:00&quot;)</extracomment>
        <translation>%1 · sera de nouveau disponible à %2</translation>
    </message>
    <message>
        <source>%1: no records in the last 24 hours.</source>
        <extracomment>Read by a screen reader; %1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;)</extracomment>
        <translation>%1&#xa0;: aucun relevé au cours des dernières 24 heures.</translation>
    </message>
    <message>
        <source>%1: no records in the last 7 days.</source>
        <extracomment>Read by a screen reader; %1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;)</extracomment>
        <translation>%1&#xa0;: aucun relevé au cours des 7 derniers jours.</translation>
    </message>
    <message numerus="yes">
        <source>%n resets</source>
        <extracomment>How many times the limit was reset in the span, read by a screen reader</extracomment>
        <translation>
            <numerusform>%n réinitialisation</numerusform>
            <numerusform>%n réinitialisations</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reset</source>
        <extracomment>The limit was reset once in the span, read by a screen reader</extracomment>
        <translation>1 réinitialisation</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 24 hours; %5.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;</extracomment>
        <translation>%1&#xa0;: %2 restants (%3)&#x202f;; au plus bas %4 au cours des dernières 24 heures&#x202f;; %5.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 7 days; %5.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;</extracomment>
        <translation>%1&#xa0;: %2 restants (%3)&#x202f;; au plus bas %4 au cours des 7 derniers jours&#x202f;; %5.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 24 hours; %5; %6.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;, %6 the pace (&quot;Ahead of pace, 12 points to spare&quot;)</extracomment>
        <translation>%1&#xa0;: %2 restants (%3)&#x202f;; au plus bas %4 au cours des dernières 24 heures&#x202f;; %5&#x202f;; %6.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 7 days; %5; %6.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;, %6 the pace (&quot;Ahead of pace, 12 points to spare&quot;)</extracomment>
        <translation>%1&#xa0;: %2 restants (%3)&#x202f;; au plus bas %4 au cours des 7 derniers jours&#x202f;; %5&#x202f;; %6.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The program&apos;s path holds %, \ or a control character, which autostart entries cannot start; move Quotabar to another folder</source>
        <translation>Le chemin du programme contient %, \ ou un caractère de contrôle, que les entrées de démarrage automatique ne peuvent pas lancer&#x202f;; déplacez Quotabar dans un autre dossier</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
</TS>
