<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWords</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>:/about/kestrelmark.gif</source>
        <comment>the about picture</comment>
        <translation>:/about/kestrelmark_de.gif</translation>
    </message>
</context>
<context>
    <name>BatchWords</name>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>einen Ordner</translation>
    </message>
    <message>
        <source>another entry</source>
        <translation>einen anderen Eintrag</translation>
    </message>
    <message>
        <source>%1 is not a valid file name: %2</source>
        <translation>%1 ist kein gültiger Dateiname: %2</translation>
    </message>
    <message>
        <source>%1 would be a hidden file</source>
        <translation>%1 wäre eine versteckte Datei</translation>
    </message>
    <message>
        <source>%1 is listed twice</source>
        <translation>%1 ist zweimal aufgeführt</translation>
    </message>
    <message>
        <source>%1 is also the new name of %2</source>
        <translation>%1 ist auch der neue Name von %2</translation>
    </message>
    <message>
        <source>%1 is also the temporary name used while renaming %2</source>
        <translation>%1 ist auch der vorläufige Name, den %2 beim Umbenennen trägt</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder</source>
        <translation>%1 ist nicht mehr im Ordner</translation>
    </message>
    <message>
        <source>%1 cannot be examined</source>
        <translation>%1 lässt sich nicht prüfen</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 was replaced by another file since the list was made</source>
        <translation>%1 wurde seit dem Erstellen der Liste durch eine andere Datei ersetzt</translation>
    </message>
    <message>
        <source>%1 is already taken by %2</source>
        <translation>%1 ist schon vergeben an %2</translation>
    </message>
    <message>
        <source>%1 cannot be checked in the folder</source>
        <translation>%1 lässt sich im Ordner nicht prüfen</translation>
    </message>
    <message>
        <source>its temporary name %1 is already taken by %2</source>
        <translation>ihr vorläufiger Name %1 ist schon vergeben an %2</translation>
    </message>
    <message>
        <source>its temporary name %1 cannot be checked in the folder</source>
        <translation>ihr vorläufiger Name %1 lässt sich im Ordner nicht prüfen</translation>
    </message>
    <message>
        <source>Nothing was renamed.</source>
        <translation>Es wurde nichts umbenannt.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <translation>Der Ordner %1 lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 with its photo:</source>
        <translation>%1 kann nicht mit seinem Foto umbenannt werden:</translation>
    </message>
    <message>
        <source>it belongs to %1.</source>
        <translation>es gehört zu %1.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2:</source>
        <translation>%1 kann nicht in %2 umbenannt werden:</translation>
    </message>
    <message>
        <source>Renaming %1 to %2 failed: %3.</source>
        <translation>Das Umbenennen von %1 in %2 ist fehlgeschlagen: %3.</translation>
    </message>
    <message>
        <source>Every file that was moved has its previous name again.</source>
        <translation>Jede bereits umbenannte Datei hat wieder ihren vorigen Namen.</translation>
    </message>
    <message>
        <source>These files could not be given their previous names back:</source>
        <translation>Diese Dateien konnten ihren vorigen Namen nicht zurückbekommen:</translation>
    </message>
    <message>
        <source>%1 was last named %2 and is no longer in the folder.</source>
        <translation>%1 hieß zuletzt %2 und ist nicht mehr im Ordner.</translation>
    </message>
    <message>
        <source>%1 is now named %2 (%3).</source>
        <translation>%1 heißt jetzt %2 (%3).</translation>
    </message>
    <message>
        <source> and to </source>
        <translation> und zu </translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>&quot;.&quot; and &quot;..&quot; cannot be file names</source>
        <translation>„.“ und „..“ können keine Dateinamen sein</translation>
    </message>
    <message>
        <source>a file name cannot contain &quot;/&quot;</source>
        <translation>ein Dateiname darf kein „/“ enthalten</translation>
    </message>
    <message>
        <source>a file name cannot contain a NUL character</source>
        <translation>ein Dateiname darf kein NUL-Zeichen enthalten</translation>
    </message>
    <message>
        <source>the name is longer than 255 bytes</source>
        <translation>der Name ist länger als 255 Byte</translation>
    </message>
    <message>
        <source>its temporary name %1 would be longer than 255 bytes</source>
        <translation>ihr vorläufiger Name %1 wäre länger als 255 Byte</translation>
    </message>
</context>
<context>
    <name>CameraClockWords</name>
    <message>
        <source>No camera named</source>
        <translation>Keine Kamera genannt</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <translation>%1 (Seriennummer %2)</translation>
    </message>
</context>
<context>
    <name>CommandLineWords</name>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Mehr mit „%1 --help“.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: there is no such folder.</source>
        <translation>„%1“ lässt sich nicht öffnen: Diesen Ordner gibt es nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: it is not a folder.</source>
        <translation>„%1“ lässt sich nicht öffnen: Das ist kein Ordner.</translation>
    </message>
    <message>
        <source>Renames the photos of a folder in one batch.</source>
        <translation>Benennt die Fotos eines Ordners in einem Durchgang um.</translation>
    </message>
    <message>
        <source>In a terminal, without a window: kestrelmark rename, history, undo and recover (kestrelmark rename --help).</source>
        <translation>Im Terminal, ohne Fenster: kestrelmark rename, history, undo und recover (kestrelmark rename --help).</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>ordner</translation>
    </message>
    <message>
        <source>The folder whose photos to list, instead of the one used last.</source>
        <translation>Der Ordner, dessen Fotos gezeigt werden, statt des zuletzt benutzten.</translation>
    </message>
    <message>
        <source>[FOLDER]</source>
        <translation>[ORDNER]</translation>
    </message>
    <message>
        <source>only one folder can be opened at a time.</source>
        <translation>es lässt sich nur ein Ordner auf einmal öffnen.</translation>
    </message>
</context>
<context>
    <name>EarlierRowWords</name>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>all files as left</source>
        <translation>alle Dateien unverändert</translation>
    </message>
    <message>
        <source>some changed since</source>
        <translation>manche seither geändert</translation>
    </message>
    <message>
        <source>folder gone</source>
        <translation>Ordner fehlt</translation>
    </message>
    <message>
        <source>folder cannot be read</source>
        <translation>Ordner nicht lesbar</translation>
    </message>
</context>
<context>
    <name>EarlierUndoWords</name>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr da.</translation>
    </message>
    <message>
        <source>%1 is another file now.</source>
        <translation>%1 ist jetzt eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 was renamed again, to %2.</source>
        <translation>%1 wurde wieder umbenannt, in %2.</translation>
    </message>
    <message>
        <source>%1: its earlier name %2 is taken.</source>
        <translation>%1: ihr früherer Name %2 ist vergeben.</translation>
    </message>
    <message>
        <source>The folder %1 is gone; nothing was renamed.</source>
        <translation>Der Ordner %1 ist nicht mehr da; es wurde nichts umbenannt.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2. Nothing was renamed.</source>
        <translation>Der Ordner %1 lässt sich nicht lesen: %2. Es wurde nichts umbenannt.</translation>
    </message>
    <message>
        <source>1 file got its name back.</source>
        <translation>1 Datei hat ihren Namen zurückbekommen.</translation>
    </message>
    <message>
        <source>%1 files got their names back.</source>
        <translation>%1 Dateien haben ihre Namen zurückbekommen.</translation>
    </message>
    <message>
        <source>These files were left alone:</source>
        <translation>Diese Dateien blieben unberührt:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>The record %1 is damaged (%2); nothing was renamed.</source>
        <translation>Die Aufzeichnung %1 ist beschädigt (%2); nichts wurde umbenannt.</translation>
    </message>
</context>
<context>
    <name>FileCount</name>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%L1 files</source>
        <translation>%L1 Dateien</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>the name holds a character the file system cannot store</source>
        <translation>der Name enthält ein Zeichen, das das Dateisystem nicht speichern kann</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem nur lesbar</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Verzeichnis nicht leer</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Programmdatei in Benutzung</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Verschieben zwischen Geräten nicht möglich</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Veralteter Dateizugriff</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Vorgang nicht unterstützt</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Verbindung zum Endpunkt getrennt</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Rechner nicht erreichbar</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>eine Datei dieses Namens gibt es schon</translation>
    </message>
    <message>
        <source>a folder of that name already exists</source>
        <translation>einen Ordner dieses Namens gibt es schon</translation>
    </message>
    <message>
        <source>it is no plain file but a pipe, a device or a folder</source>
        <translation>es ist keine gewöhnliche Datei, sondern eine Pipe, ein Gerät oder ein Ordner</translation>
    </message>
    <message>
        <source>it is larger than any file of its kind Kestrelmark writes</source>
        <translation>es ist größer als jede Datei dieser Art, die Kestrelmark schreibt</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 photo here: the list&apos;s menu lists it too</source>
        <translation>Hier liegt noch ein Foto (%1): Das Menü der Liste zeigt es auch</translation>
    </message>
    <message>
        <source>%1 photos here: the list&apos;s menu lists them too</source>
        <translation>Hier liegen noch Fotos (%1): Das Menü der Liste zeigt sie auch</translation>
    </message>
</context>
<context>
    <name>HistoryWords</name>
    <message>
        <source>The rename could not be kept among the earlier renames in %1: %2.</source>
        <translation>Die Umbenennung ließ sich nicht bei den früheren Umbenennungen in %1 ablegen: %2.</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>keine Zeitangabe</translation>
    </message>
    <message>
        <source>not a count of files</source>
        <translation>keine Anzahl von Dateien</translation>
    </message>
    <message>
        <source>not a valid file name</source>
        <translation>kein gültiger Dateiname</translation>
    </message>
    <message>
        <source>not a file&apos;s identity</source>
        <translation>keine Kennung einer Datei</translation>
    </message>
</context>
<context>
    <name>JournalWords</name>
    <message>
        <source>The safety record %1 could not be written: %2.</source>
        <translation>Das Sicherungsprotokoll %1 ließ sich nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>The safety record %1 could not be updated: %2.</source>
        <translation>Das Sicherungsprotokoll %1 ließ sich nicht ändern: %2.</translation>
    </message>
    <message>
        <source>The safety record %1 could not be removed: %2.</source>
        <translation>Das Sicherungsprotokoll %1 ließ sich nicht entfernen: %2.</translation>
    </message>
    <message>
        <source>The record of an interrupted rename %1 cannot be read: %2.</source>
        <translation>Das Protokoll einer unterbrochenen Umbenennung %1 lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>The record of an interrupted rename %1 is damaged (%2).</source>
        <translation>Das Protokoll einer unterbrochenen Umbenennung %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>unknown kind of batch</source>
        <translation>unbekannte Art von Durchgang</translation>
    </message>
    <message>
        <source>unknown end of a batch</source>
        <translation>unbekanntes Ende eines Durchgangs</translation>
    </message>
    <message>
        <source>not a count of moves</source>
        <translation>keine Anzahl von Umbenennungen</translation>
    </message>
    <message>
        <source>not an inode number</source>
        <translation>keine Inode-Nummer</translation>
    </message>
    <message>
        <source>not a valid file name</source>
        <translation>kein gültiger Dateiname</translation>
    </message>
    <message>
        <source>not a file&apos;s identity</source>
        <translation>keine Kennung einer Datei</translation>
    </message>
    <message>
        <source>%1 is moved twice</source>
        <translation>%1 wird zweimal umbenannt</translation>
    </message>
    <message>
        <source>two files are to be named %1</source>
        <translation>zwei Dateien sollen %1 heißen</translation>
    </message>
    <message>
        <source>%1 is the temporary name of another file</source>
        <translation>%1 ist der vorläufige Name einer anderen Datei</translation>
    </message>
</context>
<context>
    <name>MainFormWords</name>
    <message>
        <source>Photo Files </source>
        <translation>Fotodateien </translation>
    </message>
    <message>
        <source>Photo Types</source>
        <translation>Fototypen</translation>
    </message>
    <message>
        <source>Rename </source>
        <translation>Umbenennen </translation>
    </message>
    <message>
        <source>Preview </source>
        <translation>Vorschau </translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Alle Fotos</translation>
    </message>
    <message>
        <source>Rename Selected Only</source>
        <translation>Nur ausgewählte</translation>
    </message>
    <message>
        <source>Preview Images</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>JPEG (*.jpg; *.jpeg)</source>
        <translation>JPEG (*.jpg; *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>GIF (*.gif)</source>
        <translation>GIF (*.gif)</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Start numbering at:</source>
        <translation>Erste Nummer:</translation>
    </message>
    <message>
        <source>Number of digits:</source>
        <translation>Anzahl Ziffern:</translation>
    </message>
    <message>
        <source>(Example:)</source>
        <translation>(Beispiel:)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Rename!</source>
        <translation>Än&amp;dern!</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>NamingWords</name>
    <message>
        <source>(Example: </source>
        <translation>(Beispiel: </translation>
    </message>
</context>
<context>
    <name>PatternWords</name>
    <message>
        <source>(no date taken)</source>
        <translation>(kein Aufnahmedatum)</translation>
    </message>
    <message>
        <source>(no camera make)</source>
        <translation>(kein Kamerahersteller)</translation>
    </message>
    <message>
        <source>(no camera model)</source>
        <translation>(kein Kameramodell)</translation>
    </message>
    <message>
        <source>(no lens)</source>
        <translation>(kein Objektiv)</translation>
    </message>
    <message>
        <source>(no serial number)</source>
        <translation>(keine Seriennummer)</translation>
    </message>
    <message>
        <source>(no number in the name)</source>
        <translation>(keine Nummer im Namen)</translation>
    </message>
    <message>
        <source>no date taken: the photo keeps its name, as the time of its file may not be when it was taken</source>
        <translation>kein Aufnahmedatum: Das Foto behält seinen Namen, denn die Zeit der Datei muss nicht die der Aufnahme sein</translation>
    </message>
    <message>
        <source>no camera make in the photo&apos;s EXIF data: the photo keeps its name</source>
        <translation>kein Kamerahersteller in den EXIF-Daten des Fotos: Das Foto behält seinen Namen</translation>
    </message>
    <message>
        <source>no camera model in the photo&apos;s EXIF data: the photo keeps its name</source>
        <translation>kein Kameramodell in den EXIF-Daten des Fotos: Das Foto behält seinen Namen</translation>
    </message>
    <message>
        <source>no lens model in the photo&apos;s EXIF data: the photo keeps its name</source>
        <translation>kein Objektiv in den EXIF-Daten des Fotos: Das Foto behält seinen Namen</translation>
    </message>
    <message>
        <source>no camera serial number in the photo&apos;s EXIF data: the photo keeps its name</source>
        <translation>keine Seriennummer der Kamera in den EXIF-Daten des Fotos: Das Foto behält seinen Namen</translation>
    </message>
    <message>
        <source>no digits in the original name: the photo keeps its name</source>
        <translation>keine Ziffern im bisherigen Namen: Das Foto behält seinen Namen</translation>
    </message>
    <message>
        <source>Unknown field {%1} at character %2.</source>
        <translation>Unbekanntes Feld {%1} bei Zeichen %2.</translation>
    </message>
    <message>
        <source>The brace at character %1 is not closed.</source>
        <translation>Die Klammer bei Zeichen %1 wird nicht geschlossen.</translation>
    </message>
    <message>
        <source>The brace at character %1 closes no field.</source>
        <translation>Die Klammer bei Zeichen %1 schließt kein Feld.</translation>
    </message>
    <message>
        <source>Character %1 (&quot;%2&quot;) is no part of a date format: use YYYY MM DD hh mm ss and - _ . or a space.</source>
        <translation>Zeichen %1 (&quot;%2&quot;) gehört zu keinem Datumsformat: YYYY MM DD hh mm ss und - _ . oder ein Leerzeichen verwenden.</translation>
    </message>
    <message>
        <source>Character %1 (&quot;%2&quot;) cannot be in a file name.</source>
        <translation>Zeichen %1 (&quot;%2&quot;) darf in keinem Dateinamen stehen.</translation>
    </message>
    <message>
        <source>The pattern is longer than %1 characters.</source>
        <translation>Das Muster ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>Prefix box</source>
        <translation>Text im Feld Präfix</translation>
    </message>
    <message>
        <source>Running number (Start and Digits boxes)</source>
        <translation>Laufende Nummer (Felder Erste Nummer und Anzahl Ziffern)</translation>
    </message>
    <message>
        <source>Date taken (YYYY-MM-DD; {date:FORMAT} for others)</source>
        <translation>Aufnahmedatum (YYYY-MM-DD; {date:FORMAT} für andere)</translation>
    </message>
    <message>
        <source>Time taken (hh-mm-ss)</source>
        <translation>Aufnahmezeit (hh-mm-ss)</translation>
    </message>
    <message>
        <source>Camera (make and model)</source>
        <translation>Kamera (Hersteller und Modell)</translation>
    </message>
    <message>
        <source>Camera make</source>
        <translation>Kamerahersteller</translation>
    </message>
    <message>
        <source>Camera model</source>
        <translation>Kameramodell</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Seriennummer der Kamera</translation>
    </message>
    <message>
        <source>Original name</source>
        <translation>Bisheriger Name</translation>
    </message>
    <message>
        <source>Number in the original name</source>
        <translation>Nummer im bisherigen Namen</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Aufnahmedatum und -zeit</translation>
    </message>
    <message>
        <source>(The stored name pattern cannot be read: designed names are used.)</source>
        <translation>(Das gespeicherte Namensmuster ist unlesbar: Es gelten die üblichen Namen.)</translation>
    </message>
</context>
<context>
    <name>RecordWords</name>
    <message>
        <source>not a journal of this version</source>
        <translation>kein Protokoll dieser Version</translation>
    </message>
    <message>
        <source>not a record of this version</source>
        <translation>kein Eintrag dieser Version</translation>
    </message>
    <message>
        <source>the journal ends early</source>
        <translation>das Protokoll endet zu früh</translation>
    </message>
    <message>
        <source>the record ends early</source>
        <translation>der Eintrag endet zu früh</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; expected</source>
        <translation>„%1“ erwartet</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>not a way of knowing files again</source>
        <translation>keine Art, Dateien wiederzuerkennen</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>keine Zeitangabe</translation>
    </message>
    <message>
        <source>text after the end</source>
        <translation>Text nach dem Ende</translation>
    </message>
</context>
<context>
    <name>RecoveryQuestionWords</name>
    <message>
        <source>Interrupted Rename</source>
        <translation>Unterbrochene Umbenennung</translation>
    </message>
    <message>
        <source>%1 of this batch is no longer in the folder</source>
        <translation>%1 dieses Durchgangs ist nicht mehr im Ordner</translation>
    </message>
    <message>
        <source>%1 of this batch are no longer in the folder</source>
        <translation>%1 dieses Durchgangs sind nicht mehr im Ordner</translation>
    </message>
    <message>
        <source>; other files that have taken %L1 of their names since keep them</source>
        <translation>; andere Dateien, die seither %L1 ihrer Namen tragen, behalten sie</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Kestrelmark was interrupted while renaming %1 in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Kestrelmark wurde beim Umbenennen von %1 unterbrochen in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Kestrelmark was interrupted while undoing the rename of %1 in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Kestrelmark wurde beim Rückgängigmachen der Umbenennung von %1 unterbrochen in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 They are left alone.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>%1 Sie bleiben unberührt.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Yes: finish it, every file gets its new name.<byte value="xd"/>
No: put every file back under the name it had before.</source>
        <translation>Ja: zu Ende führen, jede Datei bekommt ihren neuen Namen.<byte value="xd"/>
Nein: jeder Datei ihren vorigen Namen zurückgeben.</translation>
    </message>
    <message>
        <source>The record of an interrupted rename cannot be read:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Das Protokoll einer unterbrochenen Umbenennung lässt sich nicht lesen:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation>Es wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>It could not be moved aside: %1</source>
        <translation>Es ließ sich nicht beiseitelegen: %1</translation>
    </message>
    <message>
        <source>A rename in the folder<byte value="xd"/>
%1<byte value="xd"/>
was interrupted, but that folder cannot be found now.<byte value="xd"/>
<byte value="xd"/>
Keep the record of it for when the folder is back?</source>
        <translation>Eine Umbenennung im Ordner<byte value="xd"/>
%1<byte value="xd"/>
wurde unterbrochen, aber dieser Ordner ist jetzt nicht zu finden.<byte value="xd"/>
<byte value="xd"/>
Das Protokoll aufbewahren, bis der Ordner wieder da ist?</translation>
    </message>
    <message>
        <source>A rename in the folder<byte value="xd"/>
%1<byte value="xd"/>
was interrupted, but that folder cannot be read: %2.<byte value="xd"/>
The record is kept for the next start.</source>
        <translation>Eine Umbenennung im Ordner<byte value="xd"/>
%1<byte value="xd"/>
wurde unterbrochen, aber dieser Ordner lässt sich nicht lesen: %2.<byte value="xd"/>
Das Protokoll bleibt für den nächsten Start.</translation>
    </message>
    <message>
        <source>An interrupted rename in<byte value="xd"/>
%1<byte value="xd"/>
has nothing left to do: %2<byte value="xd"/>
<byte value="xd"/>
Forget it? (No keeps its record for the next start.)</source>
        <translation>Eine unterbrochene Umbenennung in<byte value="xd"/>
%1<byte value="xd"/>
hat nichts mehr zu tun: %2<byte value="xd"/>
<byte value="xd"/>
Sie vergessen? (Nein behält ihr Protokoll für den nächsten Start.)</translation>
    </message>
    <message>
        <source>An interrupted undo in<byte value="xd"/>
%1<byte value="xd"/>
has nothing left to do: %2<byte value="xd"/>
<byte value="xd"/>
Forget it? (No keeps its record for the next start.)</source>
        <translation>Ein unterbrochenes Rückgängigmachen in<byte value="xd"/>
%1<byte value="xd"/>
hat nichts mehr zu tun: %2<byte value="xd"/>
<byte value="xd"/>
Es vergessen? (Nein behält sein Protokoll für den nächsten Start.)</translation>
    </message>
    <message>
        <source>A rename in<byte value="xd"/>
%1<byte value="xd"/>
failed and was rolled back, but %2 still is under temporary names starting with &quot;%3&quot;.</source>
        <translation>Eine Umbenennung in<byte value="xd"/>
%1<byte value="xd"/>
ist fehlgeschlagen und wurde zurückgenommen, aber %2 trägt noch einen vorläufigen Namen, der mit „%3“ beginnt.</translation>
    </message>
    <message>
        <source>A undo in<byte value="xd"/>
%1<byte value="xd"/>
failed and was rolled back, but %2 still is under temporary names starting with &quot;%3&quot;.</source>
        <translation>Ein Rückgängigmachen in<byte value="xd"/>
%1<byte value="xd"/>
ist fehlgeschlagen und wurde zurückgenommen, aber %2 trägt noch einen vorläufigen Namen, der mit „%3“ beginnt.</translation>
    </message>
    <message>
        <source>A rename in<byte value="xd"/>
%1<byte value="xd"/>
failed and was rolled back, but %2 still are under temporary names starting with &quot;%3&quot;.</source>
        <translation>Eine Umbenennung in<byte value="xd"/>
%1<byte value="xd"/>
ist fehlgeschlagen und wurde zurückgenommen, aber %2 tragen noch vorläufige Namen, die mit „%3“ beginnen.</translation>
    </message>
    <message>
        <source>A undo in<byte value="xd"/>
%1<byte value="xd"/>
failed and was rolled back, but %2 still are under temporary names starting with &quot;%3&quot;.</source>
        <translation>Ein Rückgängigmachen in<byte value="xd"/>
%1<byte value="xd"/>
ist fehlgeschlagen und wurde zurückgenommen, aber %2 tragen noch vorläufige Namen, die mit „%3“ beginnen.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Yes: give them the names they had before, where those are free.<byte value="xd"/>
No: leave them; you are asked again at the next start.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Ja: ihnen ihre vorigen Namen zurückgeben, wo diese frei sind.<byte value="xd"/>
Nein: sie so lassen; beim nächsten Start wird wieder gefragt.</translation>
    </message>
</context>
<context>
    <name>RecoveryWords</name>
    <message>
        <source>The files of the failed rename in %1 that were left under temporary names:</source>
        <translation>Die Dateien der fehlgeschlagenen Umbenennung in %1, die vorläufige Namen behielten:</translation>
    </message>
    <message>
        <source>The files of the failed undo in %1 that were left under temporary names:</source>
        <translation>Die Dateien des fehlgeschlagenen Rückgängigmachens in %1, die vorläufige Namen behielten:</translation>
    </message>
    <message>
        <source>The interrupted rename in %1 was finished:</source>
        <translation>Die unterbrochene Umbenennung in %1 wurde zu Ende geführt:</translation>
    </message>
    <message>
        <source>The interrupted rename in %1 could not be finished:</source>
        <translation>Die unterbrochene Umbenennung in %1 ließ sich nicht zu Ende führen:</translation>
    </message>
    <message>
        <source>The interrupted undo in %1 was finished:</source>
        <translation>Das unterbrochene Rückgängigmachen in %1 wurde zu Ende geführt:</translation>
    </message>
    <message>
        <source>The interrupted undo in %1 could not be finished:</source>
        <translation>Das unterbrochene Rückgängigmachen in %1 ließ sich nicht zu Ende führen:</translation>
    </message>
    <message>
        <source>The interrupted rename in %1 was rolled back:</source>
        <translation>Die unterbrochene Umbenennung in %1 wurde zurückgenommen:</translation>
    </message>
    <message>
        <source>The interrupted rename in %1 could not be rolled back:</source>
        <translation>Die unterbrochene Umbenennung in %1 ließ sich nicht zurücknehmen:</translation>
    </message>
    <message>
        <source>The interrupted undo in %1 was rolled back:</source>
        <translation>Das unterbrochene Rückgängigmachen in %1 wurde zurückgenommen:</translation>
    </message>
    <message>
        <source>The interrupted undo in %1 could not be rolled back:</source>
        <translation>Das unterbrochene Rückgängigmachen in %1 ließ sich nicht zurücknehmen:</translation>
    </message>
    <message>
        <source>%1 of %L2 were renamed.</source>
        <translation>Umbenannt: %1 von %L2.</translation>
    </message>
    <message>
        <source>%1 could not be renamed:</source>
        <translation>Nicht umbenannt (%1):</translation>
    </message>
    <message>
        <source>%1 to %2: %3.</source>
        <translation>%1 in %2: %3.</translation>
    </message>
    <message>
        <source>and %L1 more.</source>
        <translation>und %L1 weitere.</translation>
    </message>
    <message>
        <source>No longer in the folder (%1): %2.</source>
        <translation>Nicht mehr im Ordner (%1): %2.</translation>
    </message>
    <message>
        <source>No longer in the folder, with other files under their names that are left alone (%1): %2.</source>
        <translation>Nicht mehr im Ordner, und andere Dateien tragen ihre Namen und bleiben unberührt (%1): %2.</translation>
    </message>
    <message>
        <source>Under more than one name, so which one is theirs cannot be told (%1): %2.</source>
        <translation>Unter mehr als einem Namen, daher ist nicht zu sagen, welcher ihrer ist (%1): %2.</translation>
    </message>
    <message>
        <source>Still under temporary names starting with &quot;%1&quot; (%2); you are asked about them again at the next start.</source>
        <translation>Noch unter vorläufigen Namen, die mit „%1“ beginnen (%2); beim nächsten Start wird wieder nach ihnen gefragt.</translation>
    </message>
    <message>
        <source>The folder %1 of an interrupted rename cannot be read: %2.</source>
        <translation>Der Ordner %1 einer unterbrochenen Umbenennung lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and %L1 more</source>
        <translation> und %L1 weitere</translation>
    </message>
</context>
<context>
    <name>RowTipWords</name>
    <message>
        <source>no date taken: the photo keeps its name, as the time of its file may not be when it was taken</source>
        <translation>kein Aufnahmedatum: Das Foto behält seinen Namen, denn die Zeit der Datei muss nicht die der Aufnahme sein</translation>
    </message>
    <message>
        <source>no date taken</source>
        <translation>kein Aufnahmedatum</translation>
    </message>
    <message>
        <source>This name is not UTF-8: each byte shown as \xHH is kept as it is.</source>
        <translation>Dieser Name ist kein UTF-8: Jedes als \xHH gezeigte Byte bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>recorded %1 in %2, as the video says</source>
        <translation>aufgenommen %1 in %2, wie das Video angibt</translation>
    </message>
    <message>
        <source>recorded %1, from the video&apos;s UTC time %2 in %3</source>
        <translation>aufgenommen %1, aus der UTC-Zeit %2 des Videos in %3</translation>
    </message>
    <message>
        <source>recorded %1, from the video&apos;s UTC time %2 in this computer&apos;s zone, %3</source>
        <translation>aufgenommen %1, aus der UTC-Zeit %2 des Videos in der Zeitzone dieses Computers, %3</translation>
    </message>
    <message>
        <source>dated from the video&apos;s own metadata</source>
        <translation>datiert aus den eigenen Metadaten des Videos</translation>
    </message>
    <message>
        <source>dated from its EXIF data</source>
        <translation>datiert aus seinen EXIF-Daten</translation>
    </message>
    <message>
        <source>taken %1 by the camera&apos;s clock, %2 after its %3</source>
        <translation>aufgenommen %1 nach der Uhr der Kamera, %2 nach ihrem %3</translation>
    </message>
    <message>
        <source>dated from its name: its file holds no date taken</source>
        <translation>datiert aus seinem Namen: seine Datei enthält kein Aufnahmedatum</translation>
    </message>
    <message>
        <source>dated from its file&apos;s modification time: neither its file nor its name holds a date taken</source>
        <translation>datiert aus der Änderungszeit seiner Datei: weder die Datei noch ihr Name enthält ein Aufnahmedatum</translation>
    </message>
    <message>
        <source>%1 differs only in letter case from %2, a file that keeps its name; a memory card or a Windows share holds the two as one name</source>
        <translation>%1 unterscheidet sich nur in Groß- und Kleinschreibung von %2, einer Datei, die ihren Namen behält; eine Speicherkarte oder eine Windows-Freigabe hält beide für einen Namen</translation>
    </message>
    <message>
        <source>%1 is the name of a file that keeps it</source>
        <translation>%1 ist der Name einer Datei, die ihn behält</translation>
    </message>
    <message>
        <source>%1 differs only in letter case from the new name of %2; a memory card or a Windows share holds the two as one name</source>
        <translation>%1 unterscheidet sich nur in Groß- und Kleinschreibung vom neuen Namen von %2; eine Speicherkarte oder eine Windows-Freigabe hält beide für einen Namen</translation>
    </message>
    <message>
        <source>%1 is the new name of %2 too</source>
        <translation>%1 ist auch der neue Name von %2</translation>
    </message>
    <message>
        <source>numbers longer than the number of digits are cut: %1 becomes %2 and sorts before the photos numbered lower</source>
        <translation>Nummern, die länger als die Stellenzahl sind, werden gekürzt: aus %1 wird %2, und es steht vor den niedriger nummerierten Fotos</translation>
    </message>
    <message>
        <source>the numbers cannot be counted in digits: %1 becomes %2</source>
        <translation>die Nummern lassen sich nicht in Ziffern zählen: aus %1 wird %2</translation>
    </message>
    <message>
        <source>red: %1</source>
        <translation>rot: %1</translation>
    </message>
    <message>
        <source>red: %1 cannot be a file name: %2</source>
        <translation>rot: %1 kann kein Dateiname sein: %2</translation>
    </message>
</context>
<context>
    <name>TerminalCommandWords</name>
    <message>
        <source>A rename in %1 was cut short; settle it first with: kestrelmark recover %2 --finish (or --roll-back)</source>
        <translation>Ein Umbenennen in %1 wurde unterbrochen; zuerst abschließen mit: kestrelmark recover %2 --finish (oder --roll-back)</translation>
    </message>
    <message>
        <source>no rename is recorded</source>
        <translation>es ist kein Umbenennen aufgezeichnet</translation>
    </message>
    <message>
        <source>there is no batch %1: history lists %2</source>
        <translation>es gibt keinen Stapel %1: history listet %2</translation>
    </message>
    <message>
        <source>No rename in %1 was cut short.</source>
        <translation>Kein Umbenennen in %1 wurde unterbrochen.</translation>
    </message>
</context>
<context>
    <name>TerminalPlanWords</name>
    <message>
        <source>--preset: there is no preset named &quot;%1&quot;</source>
        <translation>--preset: es gibt keine Vorlage namens &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--pattern: %1</source>
        <translation>--pattern: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be listed: there is no such folder.</source>
        <translation>&quot;%1&quot; kann nicht gelistet werden: diesen Ordner gibt es nicht.</translation>
    </message>
    <message>
        <source>--selected: &quot;%1&quot; is not listed in %2</source>
        <translation>--selected: &quot;%1&quot; ist in %2 nicht gelistet</translation>
    </message>
    <message>
        <source>%1 photos cannot be numbered with %2 digits; Rename! is off for them in the window too.</source>
        <translation>%1 Fotos lassen sich nicht mit %2 Stellen nummerieren; auch im Fenster ist Ändern! dann aus.</translation>
    </message>
</context>
<context>
    <name>TerminalRecoveryWords</name>
    <message>
        <source>A journal could not be read (%1); it was set aside as %2.</source>
        <translation>Ein Journal konnte nicht gelesen werden (%1); es wurde als %2 beiseitegelegt.</translation>
    </message>
    <message>
        <source>A journal could not be read (%1).</source>
        <translation>Ein Journal konnte nicht gelesen werden (%1).</translation>
    </message>
</context>
<context>
    <name>TerminalWords</name>
    <message>
        <source>Usage:
  kestrelmark rename FOLDER [--prefix TEXT] [--start N] [--digits N]
      [--pattern P] [--preset NAME] [--order name|taken]
      [--numbers run|restart|shared] [--extcase keep|lower|upper]
      [--types jpg,bmp,gif,heic,png,tif,webp,video] [--companions]
      [--selected NAME...] [--apply] [--json]
      shows each photo&apos;s old and new name; renames only with --apply
  kestrelmark history [FOLDER] [--json]
      lists the recorded renames, newest first
  kestrelmark undo [BATCH] [--json]
      gives the files of a recorded rename their names back (1, the newest,
      unless BATCH names another as history numbers them)
  kestrelmark recover FOLDER --finish|--roll-back [--json]
      settles a rename a crash cut short in FOLDER
Values not given come from the window&apos;s settings, which are never written.
Exit status: 0 done or planned, 1 refused, 2 bad usage, 3 failed with every
file given its name back, 4 files left under other names.
</source>
        <translation>Aufruf:
  kestrelmark rename ORDNER [--prefix TEXT] [--start N] [--digits N]
      [--pattern P] [--preset NAME] [--order name|taken]
      [--numbers run|restart|shared] [--extcase keep|lower|upper]
      [--types jpg,bmp,gif,heic,png,tif,webp,video] [--companions]
      [--selected NAME...] [--apply] [--json]
      zeigt alten und neuen Namen jedes Fotos; benennt nur mit --apply um
  kestrelmark history [ORDNER] [--json]
      listet die aufgezeichneten Umbenennungen, die neueste zuerst
  kestrelmark undo [STAPEL] [--json]
      gibt den Dateien einer aufgezeichneten Umbenennung ihre Namen zurück (1, der
      neuesten, wenn STAPEL nicht eine andere nennt, wie history sie nummeriert)
  kestrelmark recover ORDNER --finish|--roll-back [--json]
      schließt ein durch einen Absturz unterbrochenes Umbenennen in ORDNER ab
Nicht angegebene Werte kommen aus den Einstellungen des Fensters, die nie geschrieben werden.
Rückgabewert: 0 erledigt oder geplant, 1 abgelehnt, 2 falscher Aufruf, 3 fehlgeschlagen und
jede Datei hat ihren Namen wieder, 4 Dateien unter anderen Namen zurückgelassen.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 cannot be &quot;%2&quot;</source>
        <translation>%1 kann nicht &quot;%2&quot; sein</translation>
    </message>
    <message>
        <source>--types cannot hold &quot;%1&quot;</source>
        <translation>--types kann &quot;%1&quot; nicht enthalten</translation>
    </message>
    <message>
        <source>--selected needs at least one name</source>
        <translation>--selected braucht mindestens einen Namen</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>rename needs the folder whose photos to rename</source>
        <translation>rename braucht den Ordner, dessen Fotos umbenannt werden</translation>
    </message>
    <message>
        <source>recover needs the folder of the interrupted rename</source>
        <translation>recover braucht den Ordner des unterbrochenen Umbenennens</translation>
    </message>
    <message>
        <source>recover needs --finish or --roll-back</source>
        <translation>recover braucht --finish oder --roll-back</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a batch number</source>
        <translation>&quot;%1&quot; ist keine Stapelnummer</translation>
    </message>
</context>
<context>
    <name>TerminalWriterWords</name>
    <message>
        <source>kestrelmark: %1
Try &apos;kestrelmark rename --help&apos;.</source>
        <translation>kestrelmark: %1
Siehe &apos;kestrelmark rename --help&apos;.</translation>
    </message>
    <message>
        <source>Nothing is renamed: the names in red would clash or cannot be file names.</source>
        <translation>Nichts wird umbenannt: die roten Namen würden kollidieren oder können keine Dateinamen sein.</translation>
    </message>
    <message>
        <source>1 file would be renamed; add --apply to rename it.</source>
        <translation>1 Datei würde umbenannt; mit --apply wird sie umbenannt.</translation>
    </message>
    <message>
        <source>%1 files would be renamed; add --apply to rename them.</source>
        <translation>%1 Dateien würden umbenannt; mit --apply werden sie umbenannt.</translation>
    </message>
    <message>
        <source>1 file renamed.</source>
        <translation>1 Datei umbenannt.</translation>
    </message>
    <message>
        <source>%1 files renamed.</source>
        <translation>%1 Dateien umbenannt.</translation>
    </message>
</context>
<context>
    <name>WindowWords</name>
    <message>
        <source>Can&apos;t rename since this will result<byte value="xd"/>
in duplicate filenames. These are<byte value="xd"/>
shown in RED in the file list.</source>
        <translation>Umbenennen nicht möglich, denn es<byte value="xd"/>
entstünden doppelte Dateinamen. Diese<byte value="xd"/>
sind in der Liste ROT markiert.</translation>
    </message>
    <message>
        <source>Are you absolutely sure you want to<byte value="xd"/>
rename these images?</source>
        <translation>Wollen Sie diese Bilder wirklich<byte value="xd"/>
umbenennen?</translation>
    </message>
    <message>
        <source>1 RAW or sidecar file is renamed with them.</source>
        <translation>1 RAW- oder Begleitdatei wird mit umbenannt.</translation>
    </message>
    <message>
        <source>%1 RAW and sidecar files are renamed with them.</source>
        <translation>%1 RAW- und Begleitdateien werden mit umbenannt.</translation>
    </message>
    <message>
        <source>1 photo without a date taken keeps its name.</source>
        <translation>1 Foto ohne Aufnahmedatum behält seinen Namen.</translation>
    </message>
    <message>
        <source>%1 photos without a date taken keep their names.</source>
        <translation>%1 Fotos ohne Aufnahmedatum behalten ihre Namen.</translation>
    </message>
    <message>
        <source>Reading dates taken: %1%</source>
        <translation>Aufnahmedaten werden gelesen: %1 %</translation>
    </message>
    <message>
        <source>Original Name (in order taken)</source>
        <translation>Bisheriger Name (nach Aufnahme)</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Bisheriger Name</translation>
    </message>
    <message>
        <source>Rename Images</source>
        <translation>Bilder umbenennen</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Umbenennung rückgängig</translation>
    </message>
    <message>
        <source>Earlier Renames</source>
        <translation>Frühere Umbenennungen</translation>
    </message>
    <message>
        <source>Duplicates found</source>
        <translation>Doppelte Namen gefunden</translation>
    </message>
    <message>
        <source>Do you want to UNDO the last rename operation?</source>
        <translation>Wollen Sie die letzte Umbenennung RÜCKGÄNGIG machen?</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>(no date taken)</source>
        <translation>(kein Aufnahmedatum)</translation>
    </message>
    <message>
        <source>1 photo without a value its name pattern needs keeps its name.</source>
        <translation>1 Foto ohne einen Wert, den sein Namensmuster braucht, behält seinen Namen.</translation>
    </message>
    <message>
        <source>%1 photos without a value their name pattern needs keep their names.</source>
        <translation>%1 Fotos ohne einen Wert, den ihr Namensmuster braucht, behalten ihre Namen.</translation>
    </message>
    <message>
        <source>1 photo is dated from its name.</source>
        <translation>1 Foto ist aus seinem Namen datiert.</translation>
    </message>
    <message>
        <source>%1 photos are dated from their names.</source>
        <translation>%1 Fotos sind aus ihren Namen datiert.</translation>
    </message>
    <message>
        <source>1 photo is dated from its file&apos;s time.</source>
        <translation>1 Foto ist aus der Zeit seiner Datei datiert.</translation>
    </message>
    <message>
        <source>%1 photos are dated from their files&apos; times.</source>
        <translation>%1 Fotos sind aus den Zeiten ihrer Dateien datiert.</translation>
    </message>
    <message>
        <source>First: %1, as %2.</source>
        <translation>Zuerst: %1, denn %2.</translation>
    </message>
    <message>
        <source>Rename! is off: %1 cannot be a file name, as %2.</source>
        <translation>Ändern! ist aus: %1 kann kein Dateiname sein, denn %2.</translation>
    </message>
    <message>
        <source>1 photo in %1.</source>
        <translation>1 Foto in %1.</translation>
    </message>
    <message>
        <source>%1 photos in %2.</source>
        <translation>%1 Fotos in %2.</translation>
    </message>
    <message>
        <source>(1 photo renamed in %1. Undo gives its name back.)</source>
        <translation>(1 Foto in %1 umbenannt. Rückgängig gibt ihm seinen Namen zurück.)</translation>
    </message>
    <message>
        <source>(%1 photos renamed in %2. Undo gives their names back.)</source>
        <translation>(%1 Fotos in %2 umbenannt. Rückgängig gibt ihnen ihre Namen zurück.)</translation>
    </message>
    <message>
        <source>(1 file has its name back.)</source>
        <translation>(1 Datei hat ihren Namen wieder.)</translation>
    </message>
    <message>
        <source>(%1 files have their names back.)</source>
        <translation>(%1 Dateien haben ihre Namen wieder.)</translation>
    </message>
</context>
<context>
    <name>km::CameraClocksDialog</name>
    <message>
        <source>Camera Clocks</source>
        <translation>Kamerauhren</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>First taken</source>
        <translation>Erste Aufnahme</translation>
    </message>
    <message>
        <source>Last taken</source>
        <translation>Letzte Aufnahme</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>&amp;Offset of its clock:</source>
        <translation>&amp;Versatz ihrer Uhr:</translation>
    </message>
    <message>
        <source>Or one of its &amp;photos:</source>
        <translation>Oder eines ihrer &amp;Fotos:</translation>
    </message>
    <message>
        <source>&amp;Really taken at:</source>
        <translation>&amp;Tatsächlich aufgenommen um:</translation>
    </message>
    <message>
        <source>%1, by its clock %2</source>
        <translation>%1, nach ihrer Uhr %2</translation>
    </message>
    <message>
        <source>An offset is typed as +01:00:00 or -00:03:12 (hours, minutes and seconds), at most 48 hours either way.</source>
        <translation>Ein Versatz wird als +01:00:00 oder -00:03:12 eingegeben (Stunden, Minuten und Sekunden), höchstens 48 Stunden in jede Richtung.</translation>
    </message>
    <message>
        <source>A time is typed as 2024-07-01 09:00:00.</source>
        <translation>Eine Zeit wird als 2024-07-01 09:00:00 eingegeben.</translation>
    </message>
    <message>
        <source>more than 48 hours</source>
        <translation>mehr als 48 Stunden</translation>
    </message>
</context>
<context>
    <name>km::EarlierRenamesDialog</name>
    <message>
        <source>Earlier Renames</source>
        <translation>Frühere Umbenennungen</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>km::NamePatternDialog</name>
    <message>
        <source>Name Pattern</source>
        <translation>Namensmuster</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>&amp;Insert Field</source>
        <translation>Feld &amp;einfügen</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Bisheriger Name</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Pre&amp;sets:</source>
        <translation>&amp;Vorlagen:</translation>
    </message>
    <message>
        <source>(choose a preset)</source>
        <translation>(Vorlage wählen)</translation>
    </message>
    <message>
        <source>Sa&amp;ve As Preset...</source>
        <translation>Als Vorlage &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>Vorlage &amp;löschen</translation>
    </message>
    <message>
        <source>Save As Preset</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Name der Vorlage:</translation>
    </message>
</context>
<context>
    <name>km::PhotoListMenu</name>
    <message>
        <source>Number in order of name</source>
        <translation>Nach Namen nummerieren</translation>
    </message>
    <message>
        <source>Number in order taken</source>
        <translation>Nach Aufnahme nummerieren</translation>
    </message>
    <message>
        <source>Rename RAW and sidecar files with their photo</source>
        <translation>RAW- und Begleitdateien mit ihrem Foto umbenennen</translation>
    </message>
    <message>
        <source>List HEIC, PNG, TIFF and WebP photos too</source>
        <translation>Auch HEIC-, PNG-, TIFF- und WebP-Fotos zeigen</translation>
    </message>
    <message>
        <source>Undo an &amp;Earlier Rename...</source>
        <translation>&amp;Frühere Umbenennung rückgängig machen...</translation>
    </message>
    <message>
        <source>No date in the names</source>
        <translation>Kein Datum in den Namen</translation>
    </message>
    <message>
        <source>Date taken in the names (2024-05-01)</source>
        <translation>Aufnahmedatum in den Namen (2024-05-01)</translation>
    </message>
    <message>
        <source>Date and time taken in the names (2024-05-01_14-03-22)</source>
        <translation>Aufnahmedatum und -zeit in den Namen (2024-05-01_14-03-22)</translation>
    </message>
    <message>
        <source>Number all photos in one run</source>
        <translation>Alle Fotos durchgehend nummerieren</translation>
    </message>
    <message>
        <source>Number again from the start for each date</source>
        <translation>Für jedes Datum neu nummerieren</translation>
    </message>
    <message>
        <source>Number only photos that share a date</source>
        <translation>Nur Fotos mit gleichem Datum nummerieren</translation>
    </message>
    <message>
        <source>Number again from the start for each name</source>
        <translation>Für jeden Namen neu nummerieren</translation>
    </message>
    <message>
        <source>Number only photos that share a name</source>
        <translation>Nur Fotos mit gleichem Namen nummerieren</translation>
    </message>
    <message>
        <source>Designed names (prefix + number)</source>
        <translation>Übliche Namen (Präfix + Nummer)</translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <translation>Muster %1</translation>
    </message>
    <message>
        <source>Name &amp;Pattern...</source>
        <translation>Namens&amp;muster...</translation>
    </message>
    <message>
        <source>Extensions as they are</source>
        <translation>Endungen wie sie sind</translation>
    </message>
    <message>
        <source>Extensions in lower case</source>
        <translation>Endungen in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Extensions in upper case</source>
        <translation>Endungen in Großbuchstaben</translation>
    </message>
    <message>
        <source>List RAW photos too</source>
        <translation>Auch RAW-Fotos zeigen</translation>
    </message>
    <message>
        <source>List videos too</source>
        <translation>Auch Videos zeigen</translation>
    </message>
    <message>
        <source>Date from the name where a photo has none</source>
        <translation>Datum aus dem Namen, wo ein Foto keines hat</translation>
    </message>
    <message>
        <source>File time where a photo has no other date</source>
        <translation>Dateizeit, wo ein Foto kein anderes Datum hat</translation>
    </message>
    <message>
        <source>Camera &amp;Clocks...</source>
        <translation>Kamera&amp;uhren...</translation>
    </message>
    <message>
        <source>Keep the window&apos;s size and columns</source>
        <translation>Größe und Spalten des Fensters behalten</translation>
    </message>
    <message>
        <source>Follow the folder as files come and go</source>
        <translation>Dem Ordner folgen, wenn Dateien kommen und gehen</translation>
    </message>
    <message>
        <source>Check names as they are typed</source>
        <translation>Namen schon beim Tippen prüfen</translation>
    </message>
    <message>
        <source>Count the photos in the question and after a rename</source>
        <translation>Fotos in der Frage und nach dem Umbenennen zählen</translation>
    </message>
</context>
</TS>
