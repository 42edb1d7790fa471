<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccountEdits</name>
    <message>
        <source>add-same-sign-in takes a provider, an organisation or workspace id and a label</source>
        <extracomment>&quot;add-same-sign-in&quot; is a command&apos;s name: keep it as it is</extracomment>
        <translation>add-same-sign-in requiere un proveedor, un identificador de organización o de espacio de trabajo y una etiqueta</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an organisation or workspace id</source>
        <extracomment>%1 is what was given as an organisation&apos;s or workspace&apos;s id</extracomment>
        <translation>«%1» no es un identificador de organización o de espacio de trabajo</translation>
    </message>
    <message>
        <source>an account for &apos;%1&apos; exists already</source>
        <extracomment>%1 is an organisation&apos;s or workspace&apos;s id</extracomment>
        <translation>ya existe una cuenta para «%1»</translation>
    </message>
    <message>
        <source>unknown edit &apos;%1&apos;</source>
        <extracomment>%1 is the edit asked for, as given (&quot;rename&quot;)</extracomment>
        <translation>edición desconocida «%1»</translation>
    </message>
    <message>
        <source>rename takes an account and a label</source>
        <extracomment>&quot;rename&quot; is a command&apos;s name: keep it as it is</extracomment>
        <translation>rename requiere una cuenta y una etiqueta</translation>
    </message>
    <message>
        <source>%1 takes one account</source>
        <extracomment>%1 is a command&apos;s name (&quot;show&quot;, &quot;hide&quot;, &quot;remove&quot;): keep it as it is</extracomment>
        <translation>%1 requiere una cuenta</translation>
    </message>
    <message>
        <source>no account &apos;%1&apos; (two accounts with that label are named by their ids)</source>
        <extracomment>%1 is the account&apos;s id or label, as given</extracomment>
        <translation>no existe la cuenta «%1» (si dos cuentas tienen esa etiqueta, se indican por sus identificadores)</translation>
    </message>
    <message>
        <source>a label cannot be empty</source>
        <translation>una etiqueta no puede estar vacía</translation>
    </message>
    <message>
        <source>%1 is the provider&apos;s first account: clear its key in Preferences instead</source>
        <extracomment>%1 is the account&apos;s label</extracomment>
        <translation>%1 es la primera cuenta del proveedor: borre su clave en Preferencias en su lugar</translation>
    </message>
    <message>
        <source>unknown provider &apos;%1&apos; (claude or chatgpt)</source>
        <extracomment>%1 is the provider as given; &quot;claude&quot; and &quot;chatgpt&quot; are the names to give: keep them as they are</extracomment>
        <translation>proveedor desconocido «%1» (claude o chatgpt)</translation>
    </message>
    <message>
        <source>unknown key source &apos;%1&apos; (key or browser)</source>
        <extracomment>%1 is the source as given; &quot;key&quot; and &quot;browser&quot; are the names to give: keep them as they are</extracomment>
        <translation>origen de clave desconocido «%1» (key o browser)</translation>
    </message>
    <message>
        <source>no key was given</source>
        <translation>no se indicó ninguna clave</translation>
    </message>
    <message>
        <source>the key holds invalid characters</source>
        <translation>la clave contiene caracteres no válidos</translation>
    </message>
</context>
<context>
    <name>AccountList</name>
    <message>
        <source>Account %1</source>
        <extracomment>The label a new account gets until the user names it: %1 is its place among the provider&apos;s accounts (&quot;2&quot;)</extracomment>
        <translation>Cuenta %1</translation>
    </message>
</context>
<context>
    <name>AccountRows</name>
    <message>
        <source>%1 sign-in in %2</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex), %2 the folder holding its sign-in</extracomment>
        <translation>Inicio de sesión de %1 en %2</translation>
    </message>
    <message>
        <source>Session key above</source>
        <extracomment>An account&apos;s source: the session key typed in the field above the list</extracomment>
        <translation>Clave de sesión de arriba</translation>
    </message>
    <message>
        <source>Pasted key</source>
        <translation>Clave pegada</translation>
    </message>
    <message>
        <source>Key imported from a browser</source>
        <translation>Clave importada de un navegador</translation>
    </message>
    <message>
        <source>Another organisation of the same sign-in</source>
        <translation>Otra organización del mismo inicio de sesión</translation>
    </message>
    <message>
        <source>Another workspace of the same sign-in</source>
        <translation>Otro espacio de trabajo del mismo inicio de sesión</translation>
    </message>
    <message>
        <source>No sign-in in this folder</source>
        <translation>No hay ningún inicio de sesión en esta carpeta</translation>
    </message>
    <message>
        <source>Needs the first account&apos;s sign-in</source>
        <translation>Necesita el inicio de sesión de la primera cuenta</translation>
    </message>
    <message>
        <source>No key stored</source>
        <translation>No hay ninguna clave guardada</translation>
    </message>
    <message>
        <source>Not answered yet</source>
        <translation>Aún sin respuesta</translation>
    </message>
    <message>
        <source>Hidden — not asked</source>
        <extracomment>An account hidden from the panel is not asked for its usage</extracomment>
        <translation>Oculta: no se consulta</translation>
    </message>
    <message>
        <source>Refused — sign in again or use a new key</source>
        <translation>Rechazada: vuelva a iniciar sesión o use una clave nueva</translation>
    </message>
    <message>
        <source>Connected · %1</source>
        <extracomment>%1 is the account&apos;s plan as the service names it (Pro, Max, Plus)</extracomment>
        <translation>Conectada · %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectada</translation>
    </message>
    <message>
        <source>Paste a Key…</source>
        <translation>Pegar una clave…</translation>
    </message>
</context>
<context>
    <name>AccountsBlock</name>
    <message>
        <source>ACCOUNTS</source>
        <extracomment>The heading of the list of one provider&apos;s accounts, in capitals like the other section headings</extracomment>
        <translation>CUENTAS</translation>
    </message>
    <message>
        <source>Add Account…</source>
        <translation>Añadir cuenta…</translation>
    </message>
    <message>
        <source>Show this account in the panel and the menu</source>
        <translation>Mostrar esta cuenta en el panel y en el menú</translation>
    </message>
    <message>
        <source>Shown</source>
        <extracomment>What a screen reader calls the check box that shows an account in the panel</extracomment>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>What a screen reader calls the field holding an account&apos;s name
----------
The account&apos;s name</extracomment>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>A small button that asks the account&apos;s service for its usage now</extracomment>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Ask the service now</source>
        <translation>Consultar el servicio ahora</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove this account</source>
        <translation>Quitar esta cuenta</translation>
    </message>
    <message>
        <source>Add %1 Account</source>
        <extracomment>%1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>Añadir cuenta de %1</translation>
    </message>
    <message>
        <source>Work, Personal…</source>
        <extracomment>Example names for an account</extracomment>
        <translation>Trabajo, Personal…</translation>
    </message>
    <message>
        <source>Enter sessionKey</source>
        <extracomment>sessionKey is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>Introduzca sessionKey</translation>
    </message>
    <message>
        <source>Enter __Secure-next-auth.session-token</source>
        <extracomment>__Secure-next-auth.session-token is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>Introduzca __Secure-next-auth.session-token</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The session key the account signs in with</extracomment>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the account with the pasted key</extracomment>
        <translation>Añadir</translation>
    </message>
</context>
<context>
    <name>BrowserCookies</name>
    <message>
        <source>The cookies of %1 could not be read: %2.</source>
        <extracomment>%1 is a browser profile (&quot;Firefox (default-release)&quot;), %2 the reason</extracomment>
        <translation>No se pudieron leer las cookies de %1: %2.</translation>
    </message>
    <message>
        <source>Unknown browser &apos;%1&apos;: name one of %2, with -flatpak or -snap for those installs.</source>
        <extracomment>The command line&apos;s answer to a browser name it does not know: %1 that name, %2 the names it knows (&quot;firefox, chromium, …&quot;). The names and -flatpak, -snap are typed as they are.</extracomment>
        <translation>Navegador desconocido «%1»: indique uno de estos: %2, con -flatpak o -snap para esas instalaciones.</translation>
    </message>
    <message>
        <source>No %1 profile was found.</source>
        <extracomment>%1 is a browser&apos;s name as typed on the command line (&quot;firefox&quot;, &quot;chromium-snap&quot;)</extracomment>
        <translation>No se encontró ningún perfil de %1.</translation>
    </message>
    <message>
        <source>%1 has no profile &apos;%2&apos;; its profiles: %3.</source>
        <extracomment>%1 is a browser&apos;s name as typed on the command line, %2 the profile asked for, %3 its profiles</extracomment>
        <translation>%1 no tiene ningún perfil «%2»; sus perfiles son: %3.</translation>
    </message>
    <message>
        <source>%1 is not signed in to %2: sign in there first.</source>
        <extracomment>%1 is a browser profile (&quot;Firefox (default-release)&quot;), %2 the site (claude.ai)</extracomment>
        <translation>%1 no tiene una sesión iniciada en %2: inicie sesión allí primero.</translation>
    </message>
    <message>
        <source>no keyring is available</source>
        <translation>no hay ningún depósito de claves disponible</translation>
    </message>
    <message>
        <source>%1 keeps its cookie key behind the desktop portal, out of other programs&apos; reach: paste the %2 cookie&apos;s value instead.</source>
        <extracomment>%1 is a browser profile, %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>%1 guarda la clave de sus cookies tras el portal del escritorio, fuera del alcance de otros programas: pegue en su lugar el valor de la cookie %2.</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 is encrypted in a way Quotabar does not know: paste its value instead.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;)</extracomment>
        <translation>La cookie de %1 en %2 está cifrada de una forma que Quotabar no conoce: pegue su valor en su lugar.</translation>
    </message>
    <message>
        <source>%1 keeps its cookie password in the desktop keyring, which stayed locked: import again and unlock it when asked, or paste the %2 cookie&apos;s value instead.</source>
        <extracomment>%1 is a browser (Google Chrome), %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>%1 guarda la contraseña de sus cookies en el depósito de claves del escritorio, que siguió bloqueado: vuelva a importar y desbloquéelo cuando se le pida, o pegue en su lugar el valor de la cookie %2.</translation>
    </message>
    <message>
        <source>%1 keeps its cookie password in the desktop keyring, which did not give it (%2).</source>
        <extracomment>%1 is a browser (Google Chrome), %2 why the keyring did not give the password</extracomment>
        <translation>%1 guarda la contraseña de sus cookies en el depósito de claves del escritorio, que no la proporcionó (%2).</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 could not be decrypted with %3&apos;s password; nothing was stored.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;), %3 the browser (Chromium)</extracomment>
        <translation>No se pudo descifrar la cookie de %1 en %2 con la contraseña de %3; no se guardó nada.</translation>
    </message>
    <message>
        <source>The %1 cookie in %2 does not hold a usable value; nothing was stored.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Chromium (Person 1)&quot;)</extracomment>
        <translation>La cookie de %1 en %2 no contiene un valor utilizable; no se guardó nada.</translation>
    </message>
</context>
<context>
    <name>BrowserCookiesPlugin</name>
    <message>
        <source>The browser import could not be loaded: %1</source>
        <extracomment>%1 is the reason the system gives for not loading the import&apos;s library</extracomment>
        <translation>No se pudo cargar la importación desde el navegador: %1</translation>
    </message>
</context>
<context>
    <name>BrowserImport</name>
    <message>
        <source>until the browser closes</source>
        <extracomment>How long a browser&apos;s sign-in lasts when it has no end date</extracomment>
        <translation>hasta que se cierre el navegador</translation>
    </message>
    <message>
        <source>expired %1</source>
        <extracomment>%1 is the date and time a browser&apos;s sign-in ended</extracomment>
        <translation>caducó el %1</translation>
    </message>
    <message>
        <source>expires %1</source>
        <extracomment>%1 is the date and time a browser&apos;s sign-in ends</extracomment>
        <translation>caduca el %1</translation>
    </message>
    <message>
        <source>Import %1 Key from Browser</source>
        <extracomment>The import window&apos;s title; %1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>Importar clave de %1 desde el navegador</translation>
    </message>
</context>
<context>
    <name>BrowserImportDialog</name>
    <message>
        <source>Quotabar reads a copy of the browser&apos;s cookies once, now, and keeps only the sign-in you choose.</source>
        <translation>Quotabar lee una copia de las cookies del navegador una sola vez, ahora, y solo conserva el inicio de sesión que elija.</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Imports the sign-in of the chosen browser profile</extracomment>
        <translation>Importar</translation>
    </message>
</context>
<context>
    <name>ChartPlugin</name>
    <message>
        <source>The chart could not be loaded: %1</source>
        <extracomment>%1 is the reason the system gives for not loading the chart&apos;s library</extracomment>
        <translation>No se pudo cargar el gráfico: %1</translation>
    </message>
</context>
<context>
    <name>ClaudeResponses</name>
    <message>
        <source>Could not find org UUID in /api/account</source>
        <translation>No se encontró el UUID de la organización en /api/account</translation>
    </message>
    <message>
        <source>Unexpected usage response format</source>
        <translation>Formato inesperado de la respuesta de uso</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name in its row of the menu</extracomment>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name in its row of the menu</extracomment>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Opus weekly</source>
        <extracomment>A row of the menu: the weekly limit of the Opus models</extracomment>
        <translation>Opus semanal</translation>
    </message>
    <message>
        <source>Sonnet weekly</source>
        <extracomment>A row of the menu: the weekly limit of the Sonnet models</extracomment>
        <translation>Sonnet semanal</translation>
    </message>
    <message>
        <source>OAuth apps weekly</source>
        <extracomment>A row of the menu: the weekly limit of the apps signed in with OAuth</extracomment>
        <translation>Aplicaciones OAuth semanal</translation>
    </message>
    <message>
        <source>%1 weekly</source>
        <extracomment>A row of the menu: the weekly limit of what %1 names (&quot;Routines&quot;, an Anthropic model)
----------
A row of the menu: the weekly limit of the model %1 names (&quot;Opus&quot;, &quot;Fable&quot;)</extracomment>
        <translation>%1 semanal</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>no running Quotabar answers</source>
        <translation>ningún Quotabar en ejecución responde</translation>
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
        <translation>Uso: quotabar [orden]
Sin una orden, inicia Quotabar en el panel (un segundo inicio termina de inmediato).

Órdenes (nunca inician Quotabar; status y refresh consultan al que está en ejecución):
  status                       una línea por proveedor mostrado, con los textos del menú
  status --json                todo el estado como un objeto JSON (versión de esquema 1)
  status --waybar [--follow]   JSON de módulo personalizado de Waybar; --follow imprime una línea
                               por cada cambio
  status --polybar [--follow]  el título en el formato de Polybar, coloreado cuando queda poco o
                               en estado crítico
  status --account ID|LABEL    cualquiera de las anteriores, solo para una cuenta
  refresh [--json|--waybar|--polybar]
                               consulta ahora, espera los resultados (30 s como máximo) e imprime
                               como status
  accounts [--json]            las cuentas: id, proveedor, etiqueta, origen, visible u oculta,
                               estado
  accounts show|hide|remove ID muestra, oculta o quita una cuenta (por su id o por su etiqueta)
  accounts rename ID LABEL     da otra etiqueta a una cuenta
  accounts add claude|chatgpt [--label LABEL]
                               añade una cuenta con la clave leída de la entrada estándar
  accounts add claude|chatgpt --from-browser BROWSER[:PROFILE] [--label LABEL]
                               añade una cuenta con la cookie de inicio de sesión de un perfil
                               de navegador (firefox, librewolf, chromium, chrome, brave, edge,
                               vivaldi; firefox-flatpak, chromium-snap, … para una instalación
                               aislada)
  accounts add claude|chatgpt --organization|--workspace ID [--label LABEL]
                               añade otra organización o espacio de trabajo del inicio de sesión
                               de la primera cuenta
  accounts browsers            los perfiles de navegador con una sesión iniciada en claude.ai o
                               chatgpt.com y cuándo caduca cada inicio de sesión; lee por sí mismo
                               los almacenes de cookies de los navegadores y nunca imprime el valor
                               de una cookie
  --version                    imprime la versión
  --help                       imprime esta ayuda

Estado de salida: 0 todos los proveedores mostrados tienen cifras (o se hizo la edición de
cuentas), 1 alguno no tiene datos utilizables (o se rechazó la edición), 2 ningún Quotabar en
ejecución responde, 64 orden u opción desconocida; accounts browsers: 0 se encontró un inicio de
sesión que no ha caducado, 1 no se encontró ninguno.
--waybar y --polybar terminan con 0 siempre que hayan impreso algo, para que la barra muestre la
clase de error.
--follow continúa mientras Quotabar no se está ejecutando: imprime una línea que lo indica y lo
espera.
</translation>
    </message>
    <message>
        <source>Quotabar %1 (build %2)</source>
        <extracomment>--version&apos;s answer: %1 is the version (&quot;1.3.2&quot;), %2 the build number (&quot;412&quot;)</extracomment>
        <translation>Quotabar %1 (compilación %2)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the command as given</extracomment>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>unexpected option &apos;%1&apos;</source>
        <extracomment>%1 is an option as given (&quot;--jsno&quot;)</extracomment>
        <translation>opción inesperada «%1»</translation>
    </message>
    <message>
        <source>--follow goes with --waybar or --polybar</source>
        <extracomment>--follow, --waybar and --polybar are options: keep them as they are</extracomment>
        <translation>--follow va con --waybar o --polybar</translation>
    </message>
    <message>
        <source>no account &apos;%1&apos; (two accounts with that label are named by their ids)</source>
        <extracomment>%1 is the account&apos;s id or label, as given</extracomment>
        <translation>no existe la cuenta «%1» (si dos cuentas tienen esa etiqueta, se indican por sus identificadores)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option as given (&quot;--label&quot;)</extracomment>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>accounts add takes claude or chatgpt</source>
        <extracomment>&quot;accounts add&quot;, &quot;claude&quot; and &quot;chatgpt&quot; are typed as they are: keep them</extracomment>
        <translation>accounts add requiere claude o chatgpt</translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>no se importó nada</translation>
    </message>
    <message>
        <source>accounts add reads the key from standard input, and it was empty</source>
        <extracomment>&quot;accounts add&quot; is a command: keep it as it is</extracomment>
        <translation>accounts add lee la clave de la entrada estándar, y estaba vacía</translation>
    </message>
    <message>
        <source>unknown accounts command &apos;%1&apos;</source>
        <extracomment>%1 is what followed &quot;accounts&quot;, as given</extracomment>
        <translation>orden de accounts desconocida «%1»</translation>
    </message>
    <message>
        <source>Quotabar has no account &apos;%1&apos;</source>
        <extracomment>A bar&apos;s tooltip: %1 is the account&apos;s id or label, as given</extracomment>
        <translation>Quotabar no tiene ninguna cuenta «%1»</translation>
    </message>
    <message>
        <source>Quotabar is not running</source>
        <translation>Quotabar no se está ejecutando</translation>
    </message>
    <message>
        <source>%1 (%2 cookie of %3):</source>
        <extracomment>A heading: %1 is the provider (&quot;Claude&quot;), %2 the cookie&apos;s name (&quot;sessionKey&quot;), %3 the site (&quot;claude.ai&quot;)</extracomment>
        <translation>%1 (cookie %2 de %3):</translation>
    </message>
    <message>
        <source>until the browser closes</source>
        <extracomment>How long a browser&apos;s sign-in cookie lasts, when it has no expiry date</extracomment>
        <translation>hasta que se cierre el navegador</translation>
    </message>
    <message>
        <source>expired %1</source>
        <extracomment>%1 is when the sign-in cookie expired (a date and time)</extracomment>
        <translation>caducó el %1</translation>
    </message>
    <message>
        <source>expires %1</source>
        <extracomment>%1 is when the sign-in cookie expires (a date and time)</extracomment>
        <translation>caduca el %1</translation>
    </message>
    <message>
        <source>none: %1</source>
        <extracomment>Below a provider&apos;s heading when no browser profile is signed in: %1 says why</extracomment>
        <translation>ninguno: %1</translation>
    </message>
</context>
<context>
    <name>CookieDatabase</name>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;</extracomment>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>no private temporary folder: %1</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;; %1 is the system&apos;s reason</extracomment>
        <translation>no hay ninguna carpeta temporal privada: %1</translation>
    </message>
    <message>
        <source>cannot copy %1: %2</source>
        <extracomment>Ends &quot;The cookies of … could not be read: …&quot;; %1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>no se puede copiar %1: %2</translation>
    </message>
</context>
<context>
    <name>CredentialSource</name>
    <message>
        <source>%1 sign-in expired — run %2 to sign in again</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex), %2 the command that signs in again (&quot;claude&quot;)</extracomment>
        <translation>El inicio de sesión de %1 ha caducado: ejecute %2 para volver a iniciar sesión</translation>
    </message>
</context>
<context>
    <name>CredentialStore</name>
    <message>
        <source>Stored in the keyring</source>
        <extracomment>Where a key is kept: the desktop&apos;s keyring (Secret Service, KWallet)</extracomment>
        <translation>Guardada en el depósito de claves</translation>
    </message>
    <message>
        <source>Stored in a file only you can read</source>
        <translation>Guardada en un archivo que solo usted puede leer</translation>
    </message>
    <message>
        <source>Stored in the keyring, which is locked: unlock it to use this key</source>
        <translation>Guardada en el depósito de claves, que está bloqueado: desbloquéelo para usar esta clave</translation>
    </message>
</context>
<context>
    <name>CredentialTest</name>
    <message>
        <source>Session expired - import again from %1</source>
        <extracomment>%1 is a browser profile, e.g. &quot;Firefox (default-release)&quot;</extracomment>
        <translation>La sesión ha caducado: vuelva a importar desde %1</translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation>Probando…</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>The key was tried and the service answered</extracomment>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Session expired - check your key</source>
        <translation>La sesión ha caducado: compruebe su clave</translation>
    </message>
    <message>
        <source>Imported from %1</source>
        <extracomment>%1 is a browser profile, e.g. &quot;Firefox (default-release)&quot;</extracomment>
        <translation>Importada desde %1</translation>
    </message>
    <message>
        <source>Found your %1 sign-in — use it</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex)</extracomment>
        <translation>Se encontró su inicio de sesión de %1: úselo</translation>
    </message>
    <message>
        <source>Using your %1 sign-in</source>
        <extracomment>%1 is the command-line tool (Claude Code, Codex)</extracomment>
        <translation>Usando su inicio de sesión de %1</translation>
    </message>
    <message>
        <source>Asked to wait · next try in %1</source>
        <extracomment>The service asked to be left alone; %1 is how long until it is asked again (&quot;4 min&quot;)</extracomment>
        <translation>Se pidió esperar · próximo intento en %1</translation>
    </message>
</context>
<context>
    <name>DisplayFormats</name>
    <message>
        <source>Session &amp; Weekly</source>
        <extracomment>A choice of what the panel shows: the session and weekly figures</extracomment>
        <translation>Sesión y semanal</translation>
    </message>
    <message>
        <source>Session Only</source>
        <extracomment>A choice of what the panel shows: the session figure alone</extracomment>
        <translation>Solo sesión</translation>
    </message>
    <message>
        <source>Weekly Only</source>
        <extracomment>A choice of what the panel shows: the weekly figure alone</extracomment>
        <translation>Solo semanal</translation>
    </message>
    <message>
        <source>Session &amp; Timer</source>
        <extracomment>A choice of what the panel shows: the session figure and the time to its reset</extracomment>
        <translation>Sesión y temporizador</translation>
    </message>
    <message>
        <source>Weekly &amp; Timer</source>
        <extracomment>A choice of what the panel shows: the weekly figure and the time to its reset</extracomment>
        <translation>Semanal y temporizador</translation>
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
            <numerusform>%n h</numerusform>
            <numerusform>%n h</numerusform>
        </translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min.</source>
        <extracomment>Minutes, abbreviated (&quot;20 min.&quot;)</extracomment>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>%1d</source>
        <extracomment>A countdown in whole days, abbreviated to fit the panel (&quot;4d&quot;)</extracomment>
        <translation>%1d</translation>
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
        <translation>nuevo</translation>
    </message>
</context>
<context>
    <name>HTTPClient</name>
    <message>
        <source>No HTTP response</source>
        <translation>Sin respuesta HTTP</translation>
    </message>
    <message>
        <source>Blocked by Cloudflare challenge</source>
        <translation>Bloqueado por el desafío de Cloudflare</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <extracomment>A failed request: %1 is the HTTP status code (&quot;503&quot;)</extracomment>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>Refused to send a sign-in over an unencrypted connection</source>
        <translation>Se rechazó enviar un inicio de sesión por una conexión sin cifrar</translation>
    </message>
</context>
<context>
    <name>HistoryChartPane</name>
    <message>
        <source>%1: %2 left
%3</source>
        <extracomment>A chart point&apos;s tooltip: %1 the line (&quot;Session&quot;), %2 the percentage left, %3 the record&apos;s day and time</extracomment>
        <translation>%1: %2 restante
%3</translation>
    </message>
    <message>
        <source>%1 usage chart</source>
        <extracomment>What a screen reader calls the chart; %1 is the provider (Claude, ChatGPT)</extracomment>
        <translation>Gráfico de uso de %1</translation>
    </message>
    <message>
        <source>Limits reached</source>
        <extracomment>The heading of the list of times a limit was used up</extracomment>
        <translation>Límites alcanzados</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;), %2 how it stands against the even pace</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No limit reached in the last 24 hours.</source>
        <translation>No se alcanzó ningún límite en las últimas 24 horas.</translation>
    </message>
    <message>
        <source>No limit reached in the last 7 days.</source>
        <translation>No se alcanzó ningún límite en los últimos 7 días.</translation>
    </message>
    <message>
        <source>No current period to pace.</source>
        <extracomment>Shown in place of the pace when no limit has a period running</extracomment>
        <translation>No hay ningún periodo en curso con el que medir el ritmo.</translation>
    </message>
    <message>
        <source>%1 pace</source>
        <extracomment>The chart&apos;s legend: the even pace line of a limit; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1: ritmo</translation>
    </message>
    <message>
        <source>%1 resets</source>
        <extracomment>The chart&apos;s legend: the marks where a limit reset; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1: reinicios</translation>
    </message>
    <message>
        <source>%1 reset</source>
        <extracomment>A reset mark&apos;s tooltip, over its day and time; %1 is &quot;Session&quot; or &quot;Weekly&quot;</extracomment>
        <translation>%1: reinicio</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The usage history could not be written to %1</source>
        <extracomment>A warning: %1 is the history file&apos;s path</extracomment>
        <translation>No se pudo escribir el historial de uso en %1</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>24 Hours</source>
        <extracomment>The span the history window shows: the last 24 hours, or the last 7 days</extracomment>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 días</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The save dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>HistoryWindowController</name>
    <message>
        <source>Quotabar — Usage History</source>
        <translation>Quotabar — Historial de uso</translation>
    </message>
</context>
<context>
    <name>Illustrations</name>
    <message>
        <source>S:72%  W:45%</source>
        <extracomment>A sample panel item: S is the session (five-hour) limit, W the weekly one, as the panel&apos;s own labels abbreviate them; keep the two spaces between them</extracomment>
        <translation>Ses:72%  Sem:45%</translation>
    </message>
    <message>
        <source>Your remaining tokens</source>
        <extracomment>The callout pointing at the sample panel item</extracomment>
        <translation>Sus tokens restantes</translation>
    </message>
    <message>
        <source>Developer Tools — %1</source>
        <extracomment>The title of a sample browser developer tools window; %1 is the site (claude.ai)</extracomment>
        <translation>Herramientas para desarrolladores — %1</translation>
    </message>
    <message>
        <source>Application</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Console</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Consola</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>A tab of the browser&apos;s developer tools, as the browser names it</extracomment>
        <translation>Red</translation>
    </message>
    <message>
        <source>Storage</source>
        <extracomment>A section of the developer tools&apos; Application tab, as the browser names it</extracomment>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>Cookies</source>
        <extracomment>The cookies list under Storage in the developer tools, as the browser names it</extracomment>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column heading of the developer tools&apos; cookie table</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>A column heading of the developer tools&apos; cookie table</extracomment>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>LimitWindows</name>
    <message>
        <source>%1-day</source>
        <extracomment>A limit window&apos;s length as its name (&quot;30-day&quot;), also in rows such as &quot;Code review 30-day&quot;</extracomment>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>%1-hour</source>
        <extracomment>A limit window&apos;s length as its name (&quot;12-hour&quot;)</extracomment>
        <translation>%1 horas</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>The request timed out.</source>
        <translation>Se agotó el tiempo de espera de la solicitud.</translation>
    </message>
    <message>
        <source>Response too large</source>
        <extracomment>A service&apos;s answer was bigger than any usage answer can be</extracomment>
        <translation>Respuesta demasiado grande</translation>
    </message>
</context>
<context>
    <name>NoticeRules</name>
    <message>
        <source>session</source>
        <extracomment>A window&apos;s name in a notice, after the provider&apos;s: &quot;Claude session: 12% left&quot;</extracomment>
        <translation>sesión</translation>
    </message>
    <message>
        <source>weekly</source>
        <extracomment>A window&apos;s name in a notice, after the provider&apos;s: &quot;Claude weekly: 12% left&quot;</extracomment>
        <translation>semanal</translation>
    </message>
    <message>
        <source>%1 %2: %3 left</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;), %3 the remaining percentage (&quot;12%&quot;)</extracomment>
        <translation>%1 %2: %3 restante</translation>
    </message>
    <message>
        <source>Resets in %1</source>
        <extracomment>A notice&apos;s text: %1 is the time till the window resets (&quot;3 hr. 20 min.&quot;)</extracomment>
        <translation>Se reinicia dentro de %1</translation>
    </message>
    <message>
        <source>%1 %2 limit has reset</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;)</extracomment>
        <translation>%1 %2: el límite se ha reiniciado</translation>
    </message>
    <message>
        <source>%1 %2 available again</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;), %2 the window (&quot;session&quot;, &quot;Opus weekly&quot;)</extracomment>
        <translation>%1 %2: vuelve a estar disponible</translation>
    </message>
    <message>
        <source>The limit has reset; the full allowance is back.</source>
        <translation>El límite se ha reiniciado; vuelve a tener todo el uso disponible.</translation>
    </message>
    <message>
        <source>%1 sign-in expired</source>
        <extracomment>A notice&apos;s title: %1 is the command-line tool whose sign-in is used (&quot;Claude Code&quot;, &quot;Codex&quot;)</extracomment>
        <translation>El inicio de sesión de %1 ha caducado</translation>
    </message>
    <message>
        <source>Run %1 to sign in again.</source>
        <extracomment>A notice&apos;s text: %1 is the command that signs in again (&quot;claude&quot;, &quot;codex login&quot;)</extracomment>
        <translation>Ejecute %1 para volver a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1 session expired</source>
        <extracomment>A notice&apos;s title: %1 is the provider (&quot;Claude&quot;)</extracomment>
        <translation>La sesión de %1 ha caducado</translation>
    </message>
    <message>
        <source>Sign in again in %1, then import it again in Preferences.</source>
        <extracomment>A notice&apos;s text: %1 is the browser the key was taken from (&quot;Firefox&quot;)</extracomment>
        <translation>Vuelva a iniciar sesión en %1 y luego vuelva a importarla en Preferencias.</translation>
    </message>
    <message>
        <source>Claude session key expired</source>
        <translation>La clave de sesión de Claude ha caducado</translation>
    </message>
    <message>
        <source>Paste a new sessionKey in Preferences.</source>
        <extracomment>&quot;sessionKey&quot; is the name of the cookie: keep it as it is</extracomment>
        <translation>Pegue un valor nuevo de sessionKey en Preferencias.</translation>
    </message>
    <message>
        <source>ChatGPT session token expired</source>
        <translation>El token de sesión de ChatGPT ha caducado</translation>
    </message>
    <message>
        <source>Paste a new __Secure-next-auth.session-token in Preferences.</source>
        <extracomment>&quot;__Secure-next-auth.session-token&quot; is the name of the cookie: keep it as it is</extracomment>
        <translation>Pegue un valor nuevo de __Secure-next-auth.session-token en Preferencias.</translation>
    </message>
    <message>
        <source>· %1 %2</source>
        <extracomment>A window&apos;s name in a notice when the provider has several accounts: %1 is the account&apos;s label, %2 the window (&quot;Claude · Work session: 12% left&quot;)</extracomment>
        <translation>· %1 · %2</translation>
    </message>
    <message>
        <source>%1 asked for fewer requests: next try in %2.</source>
        <extracomment>A notice&apos;s text: %1 is the provider (&quot;ChatGPT&quot;), %2 the time till the next try (&quot;5m&quot;)</extracomment>
        <translation>%1 pidió menos solicitudes: próximo intento en %2.</translation>
    </message>
</context>
<context>
    <name>NoticesGroup</name>
    <message>
        <source>Notify when usage runs low</source>
        <extracomment>Followed by two pickers of the percentages left that each bring a notice</extracomment>
        <translation>Notificar cuando quede poco uso</translation>
    </message>
    <message>
        <source>Notify when a limit resets</source>
        <translation>Notificar cuando se reinicie un límite</translation>
    </message>
    <message>
        <source>Notify when a limit is available again</source>
        <translation>Notificar cuando un límite vuelva a estar disponible</translation>
    </message>
    <message>
        <source>Notify when a key expires</source>
        <translation>Notificar cuando caduque una clave</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Open Preferences</source>
        <translation>Abrir Preferencias</translation>
    </message>
</context>
<context>
    <name>OnboardingPages</name>
    <message>
        <source>Ctrl+Shift+I</source>
        <extracomment>The keys that open a browser&apos;s developer tools, as the keyboard labels them</extracomment>
        <translation>Ctrl+Mayús+I</translation>
    </message>
    <message>
        <source>Open Preferences →</source>
        <translation>Abrir Preferencias →</translation>
    </message>
    <message>
        <source>Welcome to Quotabar</source>
        <translation>Bienvenido a Quotabar</translation>
    </message>
    <message>
        <source>A free, native %1 menu bar app that shows how much of your Claude and ChatGPT limits remain — at a glance, any time.</source>
        <extracomment>%1 is the operating system (Linux)</extracomment>
        <translation>Una aplicación gratuita y nativa para el panel de %1 que muestra cuánto queda de sus límites de Claude y ChatGPT, de un vistazo y en cualquier momento.</translation>
    </message>
    <message>
        <source>Always Visible. Always Current.</source>
        <translation>Siempre visible. Siempre al día.</translation>
    </message>
    <message>
        <source>Quotabar shows the percentage of your session and weekly limits that remain — directly in the menu bar. 100% means fresh. 0% means used up. No app-switching required.</source>
        <translation>Quotabar muestra el porcentaje que queda de sus límites de sesión y semanal, directamente en el panel. 100 % significa intacto. 0 % significa agotado. Sin tener que cambiar de aplicación.</translation>
    </message>
    <message>
        <source>Connect Your Claude Account</source>
        <translation>Conecte su cuenta de Claude</translation>
    </message>
    <message>
        <source>Open %1 in your browser, press %2 to open DevTools, go to Application → Cookies → %1, and copy the value of sessionKey. Paste it in Preferences.</source>
        <extracomment>%1 is the site (claude.ai), %2 the keys that open the developer tools. Application and Cookies are what the browser&apos;s developer tools call them; sessionKey is the cookie&apos;s name.</extracomment>
        <translation>Abra %1 en su navegador, pulse %2 para abrir las herramientas para desarrolladores, vaya a Aplicación → Cookies → %1 y copie el valor de sessionKey. Péguelo en Preferencias.</translation>
    </message>
    <message>
        <source>Connect Your ChatGPT Account</source>
        <translation>Conecte su cuenta de ChatGPT</translation>
    </message>
    <message>
        <source>Open %1 in your browser, press %2, go to Application → Cookies → %1, and copy __Secure-next-auth.session-token. Paste it in Preferences.</source>
        <extracomment>%1 is the site (chatgpt.com), %2 the keys that open the developer tools. Application and Cookies are what the browser&apos;s developer tools call them; the cookie&apos;s name stays as it is.</extracomment>
        <translation>Abra %1 en su navegador, pulse %2, vaya a Aplicación → Cookies → %1 y copie __Secure-next-auth.session-token. Péguelo en Preferencias.</translation>
    </message>
    <message>
        <source>You&apos;re All Set!</source>
        <translation>¡Todo listo!</translation>
    </message>
    <message>
        <source>Quotabar lives in your menu bar and updates automatically. Click it any time to see a detailed breakdown, change settings, or refresh your data.</source>
        <translation>Quotabar vive en su panel y se actualiza automáticamente. Púlselo en cualquier momento para ver un desglose detallado, cambiar la configuración o actualizar sus datos.</translation>
    </message>
    <message>
        <source>Found your %1 sign-in — use it in Preferences.</source>
        <extracomment>%1 is a command-line tool (Claude Code, Codex)</extracomment>
        <translation>Se encontró su inicio de sesión de %1: úselo en Preferencias.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of names, e.g. &quot;Claude Code and Codex&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Found your %1 sign-ins — use them in Preferences.</source>
        <extracomment>%1 lists command-line tools, e.g. &quot;Claude Code and Codex&quot;</extracomment>
        <translation>Se encontraron sus inicios de sesión de %1: úselos en Preferencias.</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>No volver a mostrar esta ventana</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Goes back one page of the welcome guide</extracomment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Goes on to the next page of the welcome guide</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Closes the welcome guide on its last page</extracomment>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>OnboardingWindowController</name>
    <message>
        <source>Welcome to Quotabar</source>
        <translation>Bienvenido a Quotabar</translation>
    </message>
</context>
<context>
    <name>OpenAIResponses</name>
    <message>
        <source>Session expired or invalid</source>
        <translation>Sesión caducada o no válida</translation>
    </message>
    <message>
        <source>Unexpected usage response format</source>
        <translation>Formato inesperado de la respuesta de uso</translation>
    </message>
    <message>
        <source>%1 session</source>
        <extracomment>A row of the menu: the session limit of what %1 names (a model, &quot;Code review&quot;)</extracomment>
        <translation>%1 (sesión)</translation>
    </message>
    <message>
        <source>%1 weekly</source>
        <extracomment>A row of the menu: the weekly limit of what %1 names (a model, &quot;Code review&quot;)</extracomment>
        <translation>%1 semanal</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A row of the menu: a limit of what %1 names (a model, &quot;Code review&quot;) over a window of another length, %2 (&quot;30-day&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Code review</source>
        <extracomment>The name of ChatGPT&apos;s code review limits, at the start of their rows (&quot;Code review weekly&quot;)</extracomment>
        <translation>Revisión de código</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name in its row of the menu</extracomment>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name in its row of the menu</extracomment>
        <translation>Semanal</translation>
    </message>
</context>
<context>
    <name>OpenAIUsageFetcher</name>
    <message>
        <source>No session token — add one in Preferences</source>
        <translation>No hay ningún token de sesión: añada uno en Preferencias</translation>
    </message>
    <message>
        <source>Session token contains invalid characters</source>
        <translation>El token de sesión contiene caracteres no válidos</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <extracomment>A failed request: %1 is the HTTP status code (&quot;401&quot;)</extracomment>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>Workspace id contains invalid characters</source>
        <translation>El identificador del espacio de trabajo contiene caracteres no válidos</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>  · lasts until reset</source>
        <extracomment>Added to a window&apos;s row in the menu (keep the two leading spaces) when its usage, at the current pace, lasts until the window resets</extracomment>
        <translation>  · dura hasta el reinicio</translation>
    </message>
    <message>
        <source>  · runs out in ~%1</source>
        <extracomment>Added to a window&apos;s row in the menu (keep the two leading spaces): at the current pace the limit is reached in about %1 (&quot;3 hr. 20 min.&quot;)</extracomment>
        <translation>  · se agota en ~%1</translation>
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
        <translation>Automático</translation>
    </message>
    <message>
        <source>Logo and text</source>
        <extracomment>A panel style: each provider&apos;s logo with its figures written beside it</extracomment>
        <translation>Logotipo y texto</translation>
    </message>
    <message>
        <source>Figures in icon</source>
        <extracomment>A panel style: the figures drawn inside the icon, for panels that show no text</extracomment>
        <translation>Cifras en el icono</translation>
    </message>
</context>
<context>
    <name>PreferencesModel</name>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Enter sessionKey</source>
        <extracomment>sessionKey is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>Introduzca sessionKey</translation>
    </message>
    <message>
        <source>Enter __Secure-next-auth.session-token</source>
        <extracomment>__Secure-next-auth.session-token is the cookie&apos;s own name: keep it as it is</extracomment>
        <translation>Introduzca __Secure-next-auth.session-token</translation>
    </message>
    <message>
        <source>How to get your Claude key →</source>
        <translation>Cómo obtener su clave de Claude →</translation>
    </message>
    <message>
        <source>How to get your ChatGPT key →</source>
        <translation>Cómo obtener su clave de ChatGPT →</translation>
    </message>
    <message>
        <source>Choose AI Provider</source>
        <translation>Elegir proveedor de IA</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>A section heading; its row picks what the panel item shows</extracomment>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Show in menu bar</source>
        <translation>Mostrar en el panel</translation>
    </message>
    <message>
        <source>Panel style</source>
        <extracomment>Picks how the panel item looks</extracomment>
        <translation>Estilo del panel</translation>
    </message>
    <message>
        <source>One per provider</source>
        <extracomment>One panel item for each provider, or for each account</extracomment>
        <translation>Uno por proveedor</translation>
    </message>
    <message>
        <source>One per account</source>
        <translation>Uno por cuenta</translation>
    </message>
    <message>
        <source>Panel items</source>
        <translation>Elementos del panel</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>A section heading; its row picks how often usage is asked for, &quot;Check every&quot; &quot;5 minutes&quot;</extracomment>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Comprobar cada</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>A section heading</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The button that stores the key typed beside it and tries it</extracomment>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Import from Browser…</source>
        <translation>Importar del navegador…</translation>
    </message>
    <message>
        <source>Take the sign-in from a browser where you are signed in</source>
        <translation>Tomar el inicio de sesión de un navegador en el que haya iniciado sesión</translation>
    </message>
    <message>
        <source>Remove the stored key</source>
        <translation>Quitar la clave guardada</translation>
    </message>
    <message>
        <source>Use a session key instead</source>
        <translation>Usar una clave de sesión en su lugar</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>in %n yr.</source>
        <extracomment>Time till a reset, abbreviated: in %n years</extracomment>
        <translation>
            <numerusform>dentro de %n a</numerusform>
            <numerusform>dentro de %n a</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n mo.</source>
        <extracomment>Time till a reset, abbreviated: in %n months</extracomment>
        <translation>
            <numerusform>dentro de %n m</numerusform>
            <numerusform>dentro de %n m</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n wk.</source>
        <extracomment>Time till a reset, abbreviated: in %n weeks</extracomment>
        <translation>
            <numerusform>dentro de %n sem.</numerusform>
            <numerusform>dentro de %n sem.</numerusform>
        </translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>dentro de 1 d</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>dentro de %n d</numerusform>
            <numerusform>dentro de %n d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hr.</source>
        <extracomment>Time till a reset, abbreviated: in %n hours</extracomment>
        <translation>
            <numerusform>dentro de %n h</numerusform>
            <numerusform>dentro de %n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n min.</source>
        <extracomment>Time till a reset, abbreviated: in %n minutes</extracomment>
        <translation>
            <numerusform>dentro de %n min</numerusform>
            <numerusform>dentro de %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n sec.</source>
        <extracomment>Time till a reset, abbreviated: in %n seconds</extracomment>
        <translation>
            <numerusform>dentro de %n s</numerusform>
            <numerusform>dentro de %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yr. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n years ago</extracomment>
        <translation>
            <numerusform>hace %n a</numerusform>
            <numerusform>hace %n a</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mo. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n months ago</extracomment>
        <translation>
            <numerusform>hace %n m</numerusform>
            <numerusform>hace %n m</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wk. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n weeks ago</extracomment>
        <translation>
            <numerusform>hace %n sem.</numerusform>
            <numerusform>hace %n sem.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>hace 1 d</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>hace %n d</numerusform>
            <numerusform>hace %n d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hr. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n hours ago</extracomment>
        <translation>
            <numerusform>hace %n h</numerusform>
            <numerusform>hace %n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n minutes ago</extracomment>
        <translation>
            <numerusform>hace %n min</numerusform>
            <numerusform>hace %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec. ago</source>
        <extracomment>A reset instant already past, abbreviated: %n seconds ago</extracomment>
        <translation>
            <numerusform>hace %n s</numerusform>
            <numerusform>hace %n s</numerusform>
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
        <translation>Reinicio de sesión</translation>
    </message>
    <message>
        <source>Weekly resets</source>
        <extracomment>The start of the weekly window&apos;s reset phrase (&quot;Weekly resets in 3 days&quot;)</extracomment>
        <translation>Reinicio semanal</translation>
    </message>
    <message>
        <source>resets</source>
        <extracomment>The start of the reset phrase of a limit shown in a row of its own (&quot;Opus weekly 12% resets in 3 days&quot;)</extracomment>
        <translation>reinicio</translation>
    </message>
</context>
<context>
    <name>SafeStorageKeyring</name>
    <message>
        <source>no session bus</source>
        <extracomment>Why the desktop keyring could not be asked: there is no session D-Bus</extracomment>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>the Secret Service does not answer</source>
        <extracomment>The Secret Service is the desktop keyring&apos;s D-Bus service: keep its name</extracomment>
        <translation>el Secret Service no responde</translation>
    </message>
    <message>
        <source>the keyring holding %1 stayed locked</source>
        <extracomment>%1 is the keyring item&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>el depósito de claves que contiene %1 siguió bloqueado</translation>
    </message>
    <message>
        <source>the keyring holds no %1</source>
        <extracomment>%1 is the keyring item&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>el depósito de claves no contiene %1</translation>
    </message>
    <message>
        <source>KWallet does not answer</source>
        <translation>KWallet no responde</translation>
    </message>
    <message>
        <source>the wallet %1 is closed</source>
        <extracomment>%1 is the KWallet wallet&apos;s name (&quot;kdewallet&quot;)</extracomment>
        <translation>la cartera %1 está cerrada</translation>
    </message>
    <message>
        <source>KWallet did not open %1</source>
        <extracomment>%1 is the KWallet wallet&apos;s name (&quot;kdewallet&quot;)</extracomment>
        <translation>KWallet no abrió %1</translation>
    </message>
    <message>
        <source>the wallet holds no %1</source>
        <extracomment>%1 is the wallet entry&apos;s own name (&quot;Chrome Safe Storage&quot;)</extracomment>
        <translation>la cartera no contiene %1</translation>
    </message>
</context>
<context>
    <name>SecretField</name>
    <message>
        <source>Show the key</source>
        <translation>Mostrar la clave</translation>
    </message>
    <message>
        <source>Hide the key</source>
        <translation>Ocultar la clave</translation>
    </message>
</context>
<context>
    <name>SettingsDefaultsStore</name>
    <message>
        <source>The settings could not be written to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>No se pudo escribir la configuración en %1</translation>
    </message>
</context>
<context>
    <name>SignInCookie</name>
    <message>
        <source>The %1 sign-in in %2 expired on %3: sign in to %1 there again.</source>
        <extracomment>%1 is the site (claude.ai), %2 a browser profile (&quot;Firefox (default-release)&quot;), %3 a date and time</extracomment>
        <translation>El inicio de sesión de %1 en %2 caducó el %3: vuelva a iniciar sesión en %1 allí.</translation>
    </message>
    <message>
        <source>No profile of Firefox, LibreWolf, Chromium, Google Chrome, Brave, Microsoft Edge or Vivaldi was found.</source>
        <translation>No se encontró ningún perfil de Firefox, LibreWolf, Chromium, Google Chrome, Brave, Microsoft Edge o Vivaldi.</translation>
    </message>
    <message>
        <source>No browser profile is signed in to %1 (no %2 cookie): sign in there first.</source>
        <extracomment>%1 is the site (claude.ai), %2 the cookie&apos;s own name (sessionKey)</extracomment>
        <translation>Ningún perfil de navegador tiene una sesión iniciada en %1 (no hay cookie %2): inicie sesión allí primero.</translation>
    </message>
</context>
<context>
    <name>SignInUsageFetcher</name>
    <message>
        <source>Sign-in file holds invalid characters</source>
        <translation>El archivo de inicio de sesión contiene caracteres no válidos</translation>
    </message>
</context>
<context>
    <name>StatusBarController</name>
    <message>
        <source>Session key invalid or expired</source>
        <translation>Clave de sesión no válida o caducada</translation>
    </message>
    <message>
        <source>Session token invalid or expired</source>
        <translation>Token de sesión no válido o caducado</translation>
    </message>
    <message>
        <source>No key — add one in Preferences</source>
        <translation>No hay ninguna clave: añada una en Preferencias</translation>
    </message>
</context>
<context>
    <name>StatusBusClient</name>
    <message>
        <source>cannot make a pipe for the key</source>
        <translation>no se puede crear una tubería para la clave</translation>
    </message>
    <message>
        <source>cannot hand the key over</source>
        <extracomment>The key could not be written into the pipe that hands it to the running program</extracomment>
        <translation>no se puede entregar la clave</translation>
    </message>
</context>
<context>
    <name>StatusBusObject</name>
    <message>
        <source>not available</source>
        <extracomment>The running program&apos;s answer to an account change it cannot make; the command line prints it</extracomment>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>the key could not be read</source>
        <translation>no se pudo leer la clave</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Session</source>
        <extracomment>The five-hour window&apos;s name at the start of its row in the menu</extracomment>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day window&apos;s name at the start of its row in the menu</extracomment>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <extracomment>The figures&apos; age when they are seconds old</extracomment>
        <translation>Actualizado ahora mismo</translation>
    </message>
    <message>
        <source>Session expired — check your key</source>
        <translation>La sesión ha caducado: compruebe su clave</translation>
    </message>
    <message>
        <source>Session %1  %2 %3</source>
        <extracomment>One row of an account&apos;s figures: the session&apos;s remaining percentage, then the long window&apos;s name and its remaining percentage (&quot;Session 73% Weekly 41%&quot;)</extracomment>
        <translation>Sesión %1  %2 %3</translation>
    </message>
    <message>
        <source>Extra usage  %1 of %2 this month</source>
        <extracomment>Money spent beyond the plan this month (%1) of the month&apos;s limit (%2): &quot;Extra usage $12.40 of $50.00 this month&quot;</extracomment>
        <translation>Uso adicional  %1 de %2 este mes</translation>
    </message>
    <message>
        <source>Extra usage  %1 this month</source>
        <extracomment>Money spent beyond the plan this month, without a limit: &quot;Extra usage $12.40 this month&quot;</extracomment>
        <translation>Uso adicional  %1 este mes</translation>
    </message>
    <message>
        <source>Extra usage  %1 left this month</source>
        <extracomment>The remaining percentage of the month&apos;s extra usage: &quot;Extra usage 73% left this month&quot;</extracomment>
        <translation>Uso adicional  %1 restante este mes</translation>
    </message>
    <message>
        <source>Extra usage  on</source>
        <extracomment>Extra usage beyond the plan is switched on, with no figures known</extracomment>
        <translation>Uso adicional  activado</translation>
    </message>
    <message>
        <source>Credits  unlimited</source>
        <extracomment>ChatGPT&apos;s credits row when the account&apos;s credits have no limit</extracomment>
        <translation>Créditos  ilimitados</translation>
    </message>
    <message>
        <source>Credits  %1</source>
        <extracomment>ChatGPT&apos;s credits row: %1 is the balance (&quot;123.45&quot;) or a dash when unknown</extracomment>
        <translation>Créditos  %1</translation>
    </message>
    <message numerus="yes">
        <source>Updated %ns ago</source>
        <extracomment>The age of the figures in seconds, abbreviated</extracomment>
        <translation>
            <numerusform>Actualizado hace %n s</numerusform>
            <numerusform>Actualizado hace %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <extracomment>The age of the figures in minutes, abbreviated</extracomment>
        <translation>
            <numerusform>Actualizado hace %n min</numerusform>
            <numerusform>Actualizado hace %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <extracomment>The age of the figures in hours, abbreviated</extracomment>
        <translation>
            <numerusform>Actualizado hace %n h</numerusform>
            <numerusform>Actualizado hace %n h</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring…</source>
        <translation>Esperando al depósito de claves…</translation>
    </message>
    <message>
        <source>Keyring locked — unlock it to show figures</source>
        <translation>Depósito de claves bloqueado: desbloquéelo para mostrar las cifras</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <source>%1 · last try failed: %2</source>
        <extracomment>%1 is the figures&apos; age or a failure, %2 why the latest try failed</extracomment>
        <translation>%1 · falló el último intento: %2</translation>
    </message>
    <message>
        <source>%1 · next try in %2</source>
        <extracomment>%1 is the figures&apos; age or a failure, %2 the time till the next try (&quot;3m&quot;)</extracomment>
        <translation>%1 · próximo intento en %2</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Usage History…</source>
        <translation>Historial de uso…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Welcome Guide…</source>
        <translation>Guía de bienvenida…</translation>
    </message>
    <message>
        <source>Quit Quotabar</source>
        <translation>Salir de Quotabar</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>No provider is shown</source>
        <translation>No se muestra ningún proveedor</translation>
    </message>
</context>
<context>
    <name>TitleModel</name>
    <message>
        <source>S:</source>
        <extracomment>The session (five-hour) window&apos;s short label in the panel, before its percentage</extracomment>
        <translation>Ses:</translation>
    </message>
    <message>
        <source>W:</source>
        <extracomment>The weekly window&apos;s short label in the panel, before its percentage</extracomment>
        <translation>Sem:</translation>
    </message>
    <message>
        <source>M:</source>
        <extracomment>The short label in the panel of a month-long window standing in the weekly place</extracomment>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>D:</source>
        <extracomment>The short label in the panel of a window of another length (neither a week nor a month) in the weekly place</extracomment>
        <translation>D:</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Quotabar %1 is Available</source>
        <extracomment>A dialog&apos;s title: %1 is the new version (&quot;1.4.0&quot;)</extracomment>
        <translation>Quotabar %1 está disponible</translation>
    </message>
    <message>
        <source>You have version %1. Click Download to get the latest version.</source>
        <extracomment>%1 is the running version (&quot;1.3.2&quot;); &quot;Download&quot; names the dialog&apos;s &quot;Download Update&quot; button</extracomment>
        <translation>Tiene la versión %1. Pulse «Descargar actualización» para obtener la última versión.</translation>
    </message>
    <message>
        <source>Download Update</source>
        <extracomment>The dialog&apos;s buttons: download the new version now, or not now</extracomment>
        <translation>Descargar actualización</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Quotabar is Up to Date</source>
        <translation>Quotabar está actualizado</translation>
    </message>
    <message>
        <source>Quotabar %1 is currently the newest version available.</source>
        <extracomment>%1 is the running version (&quot;1.3.2&quot;)</extracomment>
        <translation>Quotabar %1 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The dialog&apos;s only button, closing it</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Update Check Failed</source>
        <translation>Falló la búsqueda de actualizaciones</translation>
    </message>
    <message>
        <source>Could not retrieve update information. Please try again later.</source>
        <translation>No se pudo obtener la información de actualizaciones. Inténtelo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>UsageFetcher</name>
    <message>
        <source>No session key — add one in Preferences</source>
        <translation>No hay ninguna clave de sesión: añada una en Preferencias</translation>
    </message>
    <message>
        <source>Session key contains invalid characters</source>
        <translation>La clave de sesión contiene caracteres no válidos</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>Session</source>
        <extracomment>The five-hour limit&apos;s name in the history window, as in &quot;Session: 72% left&quot;</extracomment>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>The seven-day limit&apos;s name in the history window, as in &quot;Weekly: 45% left&quot;</extracomment>
        <translation>Semanal</translation>
    </message>
    <message numerus="yes">
        <source>Ahead of pace · %n points to spare</source>
        <extracomment>How the usage left stands against an even spread over the period; %n is percentage points more left than that. Keep &quot; · &quot;: the screen reader&apos;s summary reads it as a comma.</extracomment>
        <translation>
            <numerusform>Por delante del ritmo · %n punto de margen</numerusform>
            <numerusform>Por delante del ritmo · %n puntos de margen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind pace · %n points short</source>
        <extracomment>%n is percentage points fewer left than an even spread over the period would leave</extracomment>
        <translation>
            <numerusform>Por detrás del ritmo · falta %n punto</numerusform>
            <numerusform>Por detrás del ritmo · faltan %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>On pace</source>
        <extracomment>The usage left is near what an even spread over the period would leave</extracomment>
        <translation>Al ritmo previsto</translation>
    </message>
    <message>
        <source>Session limit reached %1</source>
        <extracomment>%1 is when the limit was used up, e.g. &quot;Tue 14:05&quot;</extracomment>
        <translation>Límite de sesión alcanzado: %1</translation>
    </message>
    <message>
        <source>Weekly limit reached %1</source>
        <extracomment>%1 is when the limit was used up, e.g. &quot;Tue 14:05&quot;</extracomment>
        <translation>Límite semanal alcanzado: %1</translation>
    </message>
    <message>
        <source>%1 · reset time unknown</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one</extracomment>
        <translation>%1 · hora de reinicio desconocida</translation>
    </message>
    <message>
        <source>%1 · available again %2</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one, %2 when it came back (&quot;16:00&quot;, &quot;Wed 09:00&quot;)</extracomment>
        <translation>%1 · volvió a estar disponible: %2</translation>
    </message>
    <message>
        <source>%1 · available again at %2</source>
        <extracomment>%1 is &quot;Session limit reached Tue 14:05&quot; or the weekly one, %2 when it comes back (&quot;16:00&quot;, &quot;Wed 09:00&quot;)</extracomment>
        <translation>%1 · volverá a estar disponible: %2</translation>
    </message>
    <message>
        <source>%1: no records in the last 24 hours.</source>
        <extracomment>Read by a screen reader; %1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;)</extracomment>
        <translation>%1: sin registros en las últimas 24 horas.</translation>
    </message>
    <message>
        <source>%1: no records in the last 7 days.</source>
        <extracomment>Read by a screen reader; %1 is the limit (&quot;Session&quot;, &quot;Weekly&quot;)</extracomment>
        <translation>%1: sin registros en los últimos 7 días.</translation>
    </message>
    <message numerus="yes">
        <source>%n resets</source>
        <extracomment>How many times the limit was reset in the span, read by a screen reader</extracomment>
        <translation>
            <numerusform>%n reinicio</numerusform>
            <numerusform>%n reinicios</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reset</source>
        <extracomment>The limit was reset once in the span, read by a screen reader</extracomment>
        <translation>1 reinicio</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 24 hours; %5.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;</extracomment>
        <translation>%1: %2 restante (%3); mínimo de %4 en las últimas 24 horas; %5.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 7 days; %5.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;</extracomment>
        <translation>%1: %2 restante (%3); mínimo de %4 en los últimos 7 días; %5.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 24 hours; %5; %6.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;, %6 the pace (&quot;Ahead of pace, 12 points to spare&quot;)</extracomment>
        <translation>%1: %2 restante (%3); mínimo de %4 en las últimas 24 horas; %5; %6.</translation>
    </message>
    <message>
        <source>%1: %2 left at %3; lowest %4 in the last 7 days; %5; %6.</source>
        <extracomment>Read by a screen reader: %1 the limit (&quot;Session&quot;), %2 the percentage left now, %3 the day and time of that record (&quot;Tue 14:05&quot;), %4 the lowest percentage left, %5 &quot;1 reset&quot; or &quot;3 resets&quot;, %6 the pace (&quot;Ahead of pace, 12 points to spare&quot;)</extracomment>
        <translation>%1: %2 restante (%3); mínimo de %4 en los últimos 7 días; %5; %6.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The program&apos;s path holds %, \ or a control character, which autostart entries cannot start; move Quotabar to another folder</source>
        <translation>La ruta del programa contiene %, \ o un carácter de control, con los que las entradas de inicio automático no pueden arrancar; mueva Quotabar a otra carpeta</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
</context>
</TS>
