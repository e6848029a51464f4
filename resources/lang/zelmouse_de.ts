<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>AppProfileSwitcher</name>
    <message>
        <source>No X display: the program in front cannot be seen, so profiles do not follow programs.</source>
        <translation>Keine X-Anzeige: Das Programm im Vordergrund ist nicht sichtbar, daher folgen die Profile keinen Programmen.</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is in front, so profiles do not follow programs.</source>
        <translation>Der Fenstermanager teilt nicht mit, welches Fenster im Vordergrund ist, daher folgen die Profile keinen Programmen.</translation>
    </message>
    <message>
        <source>The window in front is not visible to this program (a native Wayland window), so nothing switches.</source>
        <translation>Das Fenster im Vordergrund ist für dieses Programm nicht sichtbar (ein natives Wayland-Fenster), daher wird nichts umgeschaltet.</translation>
    </message>
    <message>
        <source>No window is in front.</source>
        <translation>Kein Fenster ist im Vordergrund.</translation>
    </message>
    <message>
        <source>Following the program in front: %1, no rule.</source>
        <translation>Das Programm im Vordergrund wird verfolgt: %1, keine Regel.</translation>
    </message>
    <message>
        <source>Following the program in front: %1, "%2" is in the active slot.</source>
        <translation>Das Programm im Vordergrund wird verfolgt: %1, „%2“ ist im aktiven Platz.</translation>
    </message>
    <message>
        <source>The rule for %1 names "%2", which is not in the profile library.</source>
        <translation>Die Regel für %1 nennt „%2“, das nicht in der Profilbibliothek ist.</translation>
    </message>
    <message>
        <source>"%1" is held by another slot, so it cannot go into the active one.</source>
        <translation>„%1“ liegt in einem anderen Platz und kann daher nicht in den aktiven.</translation>
    </message>
    <message>
        <source>"%1" goes to the mouse for %2 as soon as it can.</source>
        <translation>„%1“ geht für %2 an die Maus, sobald es möglich ist.</translation>
    </message>
    <message>
        <source>A switch to "%1" for %2 was skipped: the window has changes not yet applied.</source>
        <translation>Der Wechsel zu „%1“ für %2 wurde ausgelassen: Das Fenster hat noch nicht übernommene Änderungen.</translation>
    </message>
    <message>
        <source>"%1" could not be put into the active slot.</source>
        <translation>„%1“ konnte nicht in den aktiven Platz gelegt werden.</translation>
    </message>
    <message>
        <source>Switching to "%1" for %2.</source>
        <translation>Wechsel zu „%1“ für %2.</translation>
    </message>
    <message>
        <source>Switched to "%1".</source>
        <translation>Zu „%1“ gewechselt.</translation>
    </message>
    <message>
        <source>The switch to "%1" could not be sent to the mouse.</source>
        <translation>Der Wechsel zu „%1“ konnte nicht an die Maus gesendet werden.</translation>
    </message>
</context>
<context>
    <name>ButtonFunction</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>Feuertaste</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Taste aus</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>PC sperren</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser: Startseite</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser: Zurück</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser: Vorwärts</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser: Stopp</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser: Aktualisieren</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser: Suchen</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser: Favoriten</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Medienwiedergabe</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI-Wechsel</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Abfragerate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Abfragerate -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rad hoch</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rad runter</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Beleuchtung ein/aus</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>Sniper</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profilwechsel</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss-Taste</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Abfragerate wechseln</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Grundfunktionen</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profilmenü</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Rückstoßdateien</translation>
    </message>
</context>
<context>
    <name>HColorArea</name>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>LCtr</source>
        <translation>Strg links</translation>
    </message>
    <message>
        <source>RCtr</source>
        <translation>Strg rechts</translation>
    </message>
    <message>
        <source>LShift</source>
        <translation>Umschalt links</translation>
    </message>
    <message>
        <source>RShift</source>
        <translation>Umschalt rechts</translation>
    </message>
    <message>
        <source>LAlt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>RAlt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>LWindows</source>
        <translation>Windows links</translation>
    </message>
    <message>
        <source>RWindows</source>
        <translation>Windows rechts</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Pause Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Pfeil oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pfeil unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pfeil links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>Num De</source>
        <translation>Num Entf</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Num Eingabe</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>Mittlere Maustaste</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>When a program below comes to the front, its profile goes into the active slot.</source>
        <translation>Kommt ein Programm unten in den Vordergrund, geht sein Profil in den aktiven Platz.</translation>
    </message>
    <message>
        <source>Program rules</source>
        <translation>Programmregeln</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>window class or program name</source>
        <translation>Fenster/Programm</translation>
    </message>
    <message>
        <source>Pick an open window or type its window class or its program's name.</source>
        <translation>Wählen Sie ein offenes Fenster oder geben Sie seine Fensterklasse oder den Namen seines Programms ein.</translation>
    </message>
    <message>
        <source>Profile for the program</source>
        <translation>Profil für das Programm</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add the rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen rule</source>
        <translation>Gewählte Regel entfernen</translation>
    </message>
    <message>
        <source>Profile for other programs</source>
        <translation>Profil für andere Programme</translation>
    </message>
    <message>
        <source>Keep what is there</source>
        <translation>Vorhandenes behalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation>Andere Programme:</translation>
    </message>
    <message>
        <source>This profile is not in the library.</source>
        <translation>Dieses Profil ist nicht in der Bibliothek.</translation>
    </message>
    <message>
        <source>The program rules could not be saved: %1</source>
        <translation>Die Programmregeln konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Name a program by its window class or its program's name: 1 to %1 characters, without control characters.</source>
        <translation>Benennen Sie ein Programm mit seiner Fensterklasse oder dem Namen seines Programms: 1 bis %1 Zeichen, ohne Steuerzeichen.</translation>
    </message>
    <message>
        <source>Choose a profile from the library.</source>
        <translation>Wählen Sie ein Profil aus der Bibliothek.</translation>
    </message>
    <message>
        <source>There can be at most %1 program rules.</source>
        <translation>Es kann höchstens %1 Programmregeln geben.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> DOWN</source>
        <translation> GEDRÜCKT</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> min</translation>
    </message>
    <message>
        <source> UP</source>
        <translation> LOSGELASSEN</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation type="vanished">Konfiguration &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="vanished">&amp;Beenden</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>7 COLOR</source>
        <translation>7 Farben</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>Atmen in 7 Farben</translation>
    </message>
    <message>
        <source>7 COLOR with tail</source>
        <translation>7 Farben mit Schweif</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>AKTION</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>HINZUFÜGEN</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation type="vanished">Erweitert</translation>
    </message>
    <message>
        <source>All</source>
        <translation type="vanished">Alles auswählen</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Winkelkorrektur</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation type="vanished">ÜBERNEHMEN</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Alles zurücksetzen? Profil 1 und die Einstellungen der ganzen Maus erhalten ihre Werkswerte, die fünf Plätze ihre Standardnamen, und Platz 1 wird aktiv. Die Profile auf den Plätzen 2 bis 5 bleiben erhalten.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich auf die Werkseinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>Mindestens eine Taste muss den Linksklick behalten.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>Mindestens ein Profil muss erhalten bleiben.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="vanished">Zurück</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="vanished">Grundfunktionen</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>STAPEL</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation type="vanished">Boss-Taste</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>UNTEN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>LOSLASSEN</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>HELLIGKEIT</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation type="vanished">Browser: Zurück</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation type="vanished">Browser: Favoriten</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation type="vanished">Browser: Vorwärts</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation type="vanished">Browser: Startseite</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation type="vanished">Browser: Aktualisieren</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation type="vanished">Browser: Suchen</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation type="vanished">Browser: Stopp</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>SCHÜSSE</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation type="vanished">Taste aus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>UMBENENNEN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="vanished">Fenster schließen</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Farbe bearbeiten</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation type="vanished">TASTENKOMBINATION</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation type="vanished">Tastenkombination</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Konfigurationsdateien (*.conf)</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="vanished">Kopieren</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>ANPASSEN</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="vanished">Ausschneiden</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>AUSSCHNEIDEN</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>VERZÖGERUNG</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>PAUSE (ms)</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>VERZÖGERUNG (ms)</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation type="vanished">Verzögerung:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANZ</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Möchten Sie die Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger getrennt!</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation type="vanished">DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation type="vanished">DPI -</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation type="vanished">DPI-Wechsel</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>BEARBEITEN</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTIEREN</translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="vanished">Suchen</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation type="vanished">FEUERTASTE</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation type="vanished">Feuertaste einstellen</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="vanished">Vorwärts</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>VORWÄRTS</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>Dauerlicht</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RÜCKSTOSS</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>Rückstoß einstellen</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation type="vanished">Rückstoßdateien</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>DATEINAME</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation type="vanished">RÜCKSTOSSDATEI WÄHLEN</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTIEREN</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>STANDARDVERZÖGERUNG</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>VERZÖGERUNG EINFÜGEN</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter-Filter</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Tastenreaktion</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation type="vanished">Tastaturtaste</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation type="vanished">Beleuchtung ein/aus</translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="vanished">Links</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation type="vanished">Der linken Taste kann keine Rückstoßfunktion zugewiesen werden.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LINKSKLICK</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Abhebedistanz</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Abhebedistanz</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>X und Y koppeln</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Konfigurationsdatei laden</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Makrodatei laden</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Profildatei laden</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation type="vanished">PC sperren</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>WIEDERHOLUNGEN (1-255)</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation type="vanished">Makro existiert bereits!</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation type="vanished">Makrodatei(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation type="vanished">Makroverwaltung</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MAKRONAME</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation type="vanished">MAKRO WÄHLEN</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="vanished">E-Mail</translation>
    </message>
    <message>
        <source>Media</source>
        <translation type="vanished">Medien</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation type="vanished">Medienwiedergabe</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="vanished">Mitte</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MITTELKLICK</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation type="vanished">MAUSAKTION</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MAUS</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Mauseinstellungen</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>BEI BEWEGUNG AUS</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>BEWEGUNG</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="vanished">Stumm</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="vanished">Arbeitsplatz</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>New</source>
        <translation type="vanished">Neu</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation type="vanished">Nächster Titel</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>Eine oder mehrere Tasten sind noch gedrückt.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="vanished">Einfügen</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>EINFÜGEN</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation type="vanished">Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Bitte einen Dateinamen eingeben.</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation type="vanished">Abfragerate</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>DRÜCKEN</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Zum Übernehmen Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation type="vanished">Vorheriger Titel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="vanished">Drucken</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation type="vanished">Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation type="vanished">Profil -</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Ein Profil mit diesem Namen gibt es bereits.</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profildateien (*.prof)</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Dieses Profil liegt bereits auf einem anderen Platz.</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation type="vanished">Profilmenü</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation type="vanished">Profilwechsel</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation type="vanished">Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation type="vanished">Rate -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation type="vanished">Ratenwechsel</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>DANACH AUFNEHMEN</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>VERZÖGERUNGEN AUFNEHMEN</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>ENDLOS BIS ERNEUT GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation type="vanished">WIEDERHOLEN BIS ZUM NÄCHSTEN DRÜCKEN</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="vanished">Rechts</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RECHTSKLICK</translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="vanished">Ausführen</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="vanished">Speichern</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Makrodatei speichern</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Profildatei speichern</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="vanished">Nach unten scrollen</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLLGESCHWINDIGKEIT</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="vanished">Nach oben scrollen</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Die Einstellungen konnten nicht an die Maus gesendet werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation type="vanished">Desktop anzeigen</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation type="vanished">EINZELTASTE</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation type="vanished">Einzeltaste</translation>
    </message>
    <message>
        <source>Single WAVE</source>
        <translation>Einzelwelle</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>RUHEZEIT</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation type="vanished">SNIPER</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation type="vanished">Sniper einstellen</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>GESCHWINDIGKEIT</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="vanished">Stopp</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation type="vanished">Fenster wechseln</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Die Standardprofile können weder gelöscht noch umbenannt werden.</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Die Datei passt nicht zur aktuellen Maus!</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation type="vanished">Anzahl:</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Zum Aktualisieren der Firmware die Maus per Kabel mit dem Computer verbinden.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>Es können keine weiteren Makros angelegt werden.</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>OBEN</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>Dreifarbiges Lauflicht</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation type="vanished">Leiser</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation type="vanished">Lauter</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="vanished">Windows</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>ZiziraziWidget</source>
        <translation type="vanished">ZiziraziWidget</translation>
    </message>
    <message>
        <source>EFFECT 12</source>
        <translation>Effekt 12</translation>
    </message>
    <message>
        <source>EFFECT 13</source>
        <translation>Effekt 13</translation>
    </message>
    <message>
        <source>H </source>
        <translation>H </translation>
    </message>
    <message>
        <source>S </source>
        <translation>S </translation>
    </message>
    <message>
        <source>V </source>
        <translation>V </translation>
    </message>
    <message>
        <source>R </source>
        <translation>R </translation>
    </message>
    <message>
        <source>G </source>
        <translation>G </translation>
    </message>
    <message>
        <source>B </source>
        <translation>B </translation>
    </message>
    <message>
        <source>No mouse settings program of a known desktop was found. Open your desktop's settings and choose the mouse there.</source>
        <translation>Es wurde kein Mauseinstellungsprogramm einer bekannten Arbeitsumgebung gefunden. Öffnen Sie die Einstellungen Ihrer Arbeitsumgebung und wählen Sie dort die Maus.</translation>
    </message>
    <message>
        <source>DPI : %d</source>
        <translation>DPI : %d</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile: it needs 1 to 100 characters, without slashes, "..", control characters or blanks at either end, and it cannot be "DefaultProfile" or a default name in other letter case ("profile 1").</source>
        <translation>Dieser Name kann nicht für ein Profil verwendet werden: Er braucht 1 bis 100 Zeichen ohne Schrägstriche, „..“, Steuerzeichen oder Leerzeichen am Anfang oder Ende und darf weder „DefaultProfile“ noch ein Standardname in anderer Groß- und Kleinschreibung („profile 1“) sein.</translation>
    </message>
    <message>
        <source>Every other profile is in use in another slot, so none can take this one's place.</source>
        <translation>Alle anderen Profile werden in einem anderen Platz verwendet; keines kann den Platz dieses Profils einnehmen.</translation>
    </message>
    <message>
        <source>This profile is not in the library or its file is missing.</source>
        <translation>Dieses Profil ist nicht in der Bibliothek oder seine Datei fehlt.</translation>
    </message>
    <message>
        <source>No mouse model is known yet, so there is no profile library.</source>
        <translation>Es ist noch kein Mausmodell bekannt, daher gibt es keine Profilbibliothek.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file could not be written; nothing was changed.</source>
        <translation>Die Datei konnte nicht geschrieben werden; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Delete the macro "%1"?</source>
        <translation>Das Makro „%1“ löschen?</translation>
    </message>
    <message>
        <source>Tick the macros to export first.</source>
        <translation>Markieren Sie zuerst die Makros, die exportiert werden sollen.</translation>
    </message>
    <message>
        <source>%1 of these macros already exist in that folder (%2). Replace them?</source>
        <translation>%1 dieser Makros gibt es in diesem Ordner schon (%2). Ersetzen?</translation>
    </message>
    <message>
        <source>A macro holds at most %1 events.</source>
        <translation>Ein Makro enthält höchstens %1 Ereignisse.</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>IMPORT PROFILE</source>
        <translation>PROFIL IMPORTIEREN</translation>
    </message>
    <message>
        <source>EXPORT PROFILE</source>
        <translation>PROFIL EXPORTIEREN</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Choose the mouse</source>
        <translation>Maus wählen</translation>
    </message>
    <message>
        <source>Profile library</source>
        <translation type="vanished">Profilbibliothek</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation type="vanished">Profil importieren</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation type="vanished">Profil exportieren</translation>
    </message>
    <message>
        <source>Profile slot on the mouse</source>
        <translation>Profilplatz auf der Maus</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Add a new profile to the library</source>
        <translation>Ein neues Profil zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Copy the profile in use into a new library profile</source>
        <translation>Das verwendete Profil als neues Bibliotheksprofil kopieren</translation>
    </message>
    <message>
        <source>Delete the profile in use from the library</source>
        <translation>Das verwendete Profil aus der Bibliothek löschen</translation>
    </message>
    <message>
        <source>Reset the profile in use to the factory settings</source>
        <translation>Das verwendete Profil auf die Werkseinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Add a profile file to the library</source>
        <translation>Eine Profildatei zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Save the profile in use to a file</source>
        <translation>Das verwendete Profil in einer Datei speichern</translation>
    </message>
    <message>
        <source>Profile in use: %1</source>
        <translation>Verwendetes Profil: %1</translation>
    </message>
    <message>
        <source>Opens the profile library</source>
        <translation>Öffnet die Profilbibliothek</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Lädt</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>The mouse from above</source>
        <translation>Die Maus von oben</translation>
    </message>
    <message>
        <source>The mouse from the side</source>
        <translation>Die Maus von der Seite</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Mouse button %1</source>
        <translation>Maustaste %1</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>The settings are on the mouse.</source>
        <translation>Die Einstellungen sind auf der Maus.</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Actions to insert</source>
        <translation>Einzufügende Aktionen</translation>
    </message>
    <message>
        <source>Events of the macro</source>
        <translation>Ereignisse des Makros</translation>
    </message>
    <message>
        <source>Default delay in ms</source>
        <translation>Standardverzögerung in ms</translation>
    </message>
    <message>
        <source>Number of loops</source>
        <translation>Anzahl der Durchläufe</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Stage %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>X %1 DPI</source>
        <translation>X %1 DPI</translation>
    </message>
    <message>
        <source>Y %1 DPI</source>
        <translation>Y %1 DPI</translation>
    </message>
    <message>
        <source>PROGRAMS</source>
        <translation>PROGRAMME</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Noch keine Profile</translation>
    </message>
    <message>
        <source>"%1" is not a regular file.</source>
        <translation>„%1“ ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>"%1" is in the program's own settings folder; nothing is exported there.</source>
        <translation>„%1“ liegt im Einstellungsordner des Programms; dorthin wird nichts exportiert.</translation>
    </message>
    <message>
        <source>A macro name can have at most %1 characters.</source>
        <translation>Ein Makroname darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>Writing to the mouse…</source>
        <translation>Schreiben in die Maus…</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the mouse</source>
        <translation>%1 von %2 an die Maus gesendet</translation>
    </message>
    <message>
        <source>Try %1</source>
        <translation>Versuch %1</translation>
    </message>
    <message>
        <source>Not yet on the mouse</source>
        <translation>Das Makro ist mit %1 Ereignissen voll: Die letzten %2 Tastenereignisse wurden nicht aufgenommen.</translation>
    </message>
    <message>
        <source>The file holds a value outside what can be set; nothing was changed.</source>
        <translation>Die Datei enthält einen Wert außerhalb des einstellbaren Bereichs; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>"%1" already exists. Replace it?</source>
        <translation>„%1“ ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation>Rad nach oben</translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation>Rad nach unten</translation>
    </message>
    <message>
        <source>button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Erlaubt: %1 bis %2</translation>
    </message>
    <message>
        <source>The macro "%1" is used by %2. Delete it? Those buttons get their factory function back.</source>
        <translation>Das Makro „%1“ wird von %2 verwendet. Löschen? Diese Tasten erhalten ihre Werksfunktion zurück.</translation>
    </message>
    <message>
        <source>The macro is full at %1 events: the last %2 key events were not recorded.</source>
        <translation>Das Makro ist mit %1 Ereignissen voll: Die letzten %2 Tastenereignisse wurden nicht aufgenommen.</translation>
    </message>
    <message>
        <source>Desktop: %1 (%2)</source>
        <translation>Desktop: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot be set here: %1</source>
        <translation>Hier nicht einstellbar: %1</translation>
    </message>
    <message>
        <source>The choice could not be saved in %1.</source>
        <translation>Die Auswahl konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <translation>Zeigergeschwindigkeit</translation>
    </message>
    <message>
        <source>Set the desktop's pointer speed with this profile</source>
        <translation>Zeigergeschwindigkeit des Desktops mit diesem Profil setzen</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>A macro name can have at most %1 characters.</source>
        <translation type="vanished">Ein Makroname darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>The file holds a value outside what can be set; nothing was changed.</source>
        <translation type="vanished">Die Datei enthält einen Wert außerhalb des einstellbaren Bereichs; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>"%1" already exists. Replace it?</source>
        <translation type="vanished">„%1“ ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation type="vanished">Rad nach oben</translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation type="vanished">Rad nach unten</translation>
    </message>
    <message>
        <source>button %1</source>
        <translation type="vanished">Taste %1</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation type="vanished">Erlaubt: %1 bis %2</translation>
    </message>
    <message>
        <source>The macro "%1" is used by %2. Delete it? Those buttons get their factory function back.</source>
        <translation type="vanished">Das Makro „%1“ wird von %2 verwendet. Löschen? Diese Tasten erhalten ihre Werksfunktion zurück.</translation>
    </message>
    <message>
        <source>The macro is full at %1 events: the last %2 key events were not recorded.</source>
        <translation type="vanished">Das Makro ist mit %1 Ereignissen voll: Die letzten %2 Tastenereignisse wurden nicht aufgenommen.</translation>
    </message>
    <message>
        <source>Desktop: %1 (%2)</source>
        <translation type="vanished">Desktop: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot be set here: %1</source>
        <translation type="vanished">Hier nicht einstellbar: %1</translation>
    </message>
    <message>
        <source>The choice could not be saved in %1.</source>
        <translation type="vanished">Die Auswahl konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <translation type="vanished">Zeigergeschwindigkeit</translation>
    </message>
    <message>
        <source>Set the desktop's pointer speed with this profile</source>
        <translation type="vanished">Zeigergeschwindigkeit des Desktops mit diesem Profil setzen</translation>
    </message>
    <message>
        <source>Saturation and brightness</source>
        <translation>Sättigung und Helligkeit</translation>
    </message>
    <message>
        <source>"%1" is not a regular file.</source>
        <translation type="vanished">„%1“ ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Writing to the mouse…</source>
        <translation type="vanished">Schreiben in die Maus…</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the mouse</source>
        <translation type="vanished">%1 von %2 an die Maus gesendet</translation>
    </message>
    <message>
        <source>Try %1</source>
        <translation type="vanished">Versuch %1</translation>
    </message>
    <message>
        <source>Not yet on the mouse</source>
        <translation type="vanished">Das Makro ist mit %1 Ereignissen voll: Die letzten %2 Tastenereignisse wurden nicht aufgenommen.</translation>
    </message>
    <message>
        <source>Saturation %1 %, brightness %2 %</source>
        <translation>Sättigung %1 %, Helligkeit %2 %</translation>
    </message>
</context>
<context>
    <name>ZelBtnWindow</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Der linken Taste kann keine Rückstoßfunktion zugewiesen werden.</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>RÜCKSTOSSDATEI WÄHLEN</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MAKRO WÄHLEN</translation>
    </message>
    <message>
        <source>Fire %1 ×%2 / %3 ms</source>
        <translation>Feuer %1 ×%2 / %3 ms</translation>
    </message>
    <message>
        <source>SNIPER %1 DPI</source>
        <translation>SNIPER %1 DPI</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
</context>
<context>
    <name>ZelComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Hold the modifier keys and press one more key, for example Ctrl and C. Then click OK.</source>
        <translation>Halten Sie die Sondertasten gedrückt und drücken Sie eine weitere Taste, zum Beispiel Strg und C. Klicken Sie dann auf OK.</translation>
    </message>
    <message>
        <source>Press the keys of the combination together.</source>
        <translation>Drücken Sie die Tasten der Kombination gleichzeitig.</translation>
    </message>
</context>
<context>
    <name>ZelFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Feuertaste einstellen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Tastaturtaste</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
    <message>
        <source>Times: %1 to %2</source>
        <translation>Anzahl: %1 bis %2</translation>
    </message>
    <message>
        <source>Delay: %1 to %2</source>
        <translation>Verzögerung: %1 bis %2</translation>
    </message>
    <message>
        <source>Choose the mouse button to repeat, or Keyboard Key and then press the key.</source>
        <translation>Wählen Sie die zu wiederholende Maustaste oder Tastaturtaste und drücken Sie dann die Taste.</translation>
    </message>
    <message>
        <source>Press the key to fire.</source>
        <translation>Drücken Sie die Taste, die gefeuert werden soll.</translation>
    </message>
</context>
<context>
    <name>ZelKeyDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Why OK is refused</source>
        <translation>Warum OK abgelehnt wird</translation>
    </message>
</context>
<context>
    <name>ZelMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>WIEDERHOLUNGEN (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>ENDLOS BIS ERNEUT GEDRÜCKT</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Choose a macro from the list first.</source>
        <translation>Wählen Sie zuerst ein Makro aus der Liste.</translation>
    </message>
    <message>
        <source>The loop count must be a number from 1 to 255.</source>
        <translation>Die Anzahl der Wiederholungen muss zwischen 1 und 255 liegen.</translation>
    </message>
</context>
<context>
    <name>ZelSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Press the key the button should send.</source>
        <translation>Drücken Sie die Taste, die die Maustaste senden soll.</translation>
    </message>
    <message>
        <source>Press the key this button should send.</source>
        <translation>Drücken Sie die Taste, die diese Maustaste senden soll.</translation>
    </message>
    <message>
        <source>The mouse cannot send "%1"; press another key.</source>
        <translation>Die Maus kann „%1“ nicht senden; drücken Sie eine andere Taste.</translation>
    </message>
</context>
<context>
    <name>ZelSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper einstellen</translation>
    </message>
</context>
<context>
    <name>ZiziraziWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>Konfiguration &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>Akku %1%</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%. Please charge the mouse.</source>
        <translation>Mausakku schwach: %1%. Bitte laden Sie die Maus.</translation>
    </message>
    <message>
        <source>The firmware updater could not be started:
%1</source>
        <translation>Das Firmware-Aktualisierungsprogramm konnte nicht gestartet werden:
%1</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>Beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation>Der Autostart-Eintrag konnte nicht geändert werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want delete this profile? The %n program rule(s) naming it will be removed too.</source>
        <translation>
            <numerusform>Möchten Sie dieses Profil wirklich löschen? Die Programmregel, die es nennt, wird ebenfalls entfernt.</numerusform>
            <numerusform>Möchten Sie dieses Profil wirklich löschen? Die %n Programmregeln, die es nennen, werden ebenfalls entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <translation>Profil: %1</translation>
    </message>
    <message>
        <source>Not switched to %1: changes not applied</source>
        <translation>Nicht zu %1 gewechselt: Änderungen nicht übernommen</translation>
    </message>
    <message>
        <source>&amp;Programs...</source>
        <translation>&amp;Programme...</translation>
    </message>
</context>
</TS>