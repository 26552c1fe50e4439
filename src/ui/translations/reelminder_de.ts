<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Mehr dazu mit „%1 --help“.</translation>
    </message>
    <message>
        <source>A catalogue of recorded video cassettes and the films on them.</source>
        <translation>Ein Katalog bespielter Videokassetten und der Filme darauf.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <source>Opens the archive &lt;file&gt; instead of the usual one.</source>
        <translation>Öffnet das Archiv &lt;Datei&gt; statt des üblichen.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Shows the program in English (en) or German (de), for this run only.</source>
        <translation>Zeigt das Programm auf Englisch (en) oder Deutsch (de), nur für diesen Lauf.</translation>
    </message>
    <message>
        <source>Writes the whole catalogue to the CSV file &lt;file&gt; (- for standard output) and ends, without a window.</source>
        <translation>Schreibt den ganzen Katalog in die CSV-Datei &lt;Datei&gt; (- für die Standardausgabe) und endet, ohne Fenster.</translation>
    </message>
    <message>
        <source>The archive to open, as with --archive.</source>
        <translation>Das zu öffnende Archiv, wie mit --archive.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;: use en or de.</source>
        <translation>Unbekannte Sprache „%1“: bitte en oder de angeben.</translation>
    </message>
    <message>
        <source>Only one archive can be opened: %1.</source>
        <translation>Es kann nur ein Archiv geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>The archive&apos;s name is empty.</source>
        <translation>Der Name des Archivs ist leer.</translation>
    </message>
    <message>
        <source>The folder of the archive %1 does not exist.</source>
        <translation>Der Ordner des Archivs %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The CSV file&apos;s name is empty.</source>
        <translation>Der Name der CSV-Datei ist leer.</translation>
    </message>
    <message>
        <source>The name %1 holds bytes that are no valid text, so that the file cannot be named exactly; rename it.</source>
        <translation>Der Name %1 enthält Bytes, die kein gültiger Text sind; die Datei kann so nicht genau benannt werden. Benennen Sie sie um.</translation>
    </message>
    <message>
        <source>Export and import cannot be done in one run.</source>
        <translation>Export und Import sind nicht in einem Lauf möglich.</translation>
    </message>
    <message>
        <source>Adds the cassettes and films of the CSV file &lt;file&gt; to the archive, tells what it added and skipped, and ends, without a window: with status 0 when it took every row, 3 when it skipped some, 1 when it added nothing.</source>
        <translation>Fügt die Kassetten und Filme der CSV-Datei &lt;Datei&gt; dem Archiv hinzu, nennt, was hinzugefügt und übersprungen wurde, und endet, ohne Fenster: mit Status 0, wenn jede Zeile übernommen wurde, 3, wenn einige übersprungen wurden, 1, wenn nichts hinzugefügt wurde.</translation>
    </message>
    <message>
        <source>Lists the backups kept of the archive, newest first: number, time, cassettes and films, and &quot;damaged&quot; where one fails its check; ends with status 0, or 1 when they cannot be read.</source>
        <translation>Listet die aufbewahrten Sicherungen des Archivs auf, die neueste zuerst: Nummer, Zeit, Kassetten und Filme, und „beschädigt“, wo eine ihre Prüfung nicht besteht; endet mit Status 0, oder 1, wenn sie nicht gelesen werden können.</translation>
    </message>
    <message>
        <source>Makes the archive the backup &lt;number&gt; of --list-backups, the archive as it stands kept as a new backup first, and ends: with status 0 when restored, 1 when not (a damaged backup, or the archive open in another reelMINDER/32).</source>
        <translation>Macht das Archiv zur Sicherung &lt;Nummer&gt; von --list-backups, wobei das Archiv, wie es ist, zuerst als neue Sicherung aufbewahrt wird, und endet: mit Status 0, wenn sie wiederhergestellt wurde, sonst mit 1 (eine beschädigte Sicherung oder das Archiv in einem anderen reelMINDER/32 geöffnet).</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>The backup&apos;s number must be a whole number from 1 on: %1.</source>
        <translation>Die Nummer der Sicherung muss eine ganze Zahl ab 1 sein: %1.</translation>
    </message>
    <message>
        <source>Writes the whole catalogue as one web page with a search field to the file &lt;file&gt; (- for standard output) and ends, without a window.</source>
        <translation>Schreibt den ganzen Katalog als eine Webseite mit Suchfeld in die Datei &lt;Datei&gt; (- für die Standardausgabe) und endet, ohne Fenster.</translation>
    </message>
    <message>
        <source>The web page&apos;s name is empty.</source>
        <translation>Der Name der Webseite ist leer.</translation>
    </message>
    <message>
        <source>Writes the whole catalogue to the Tellico file &lt;file&gt; (- for standard output) and ends, without a window.</source>
        <translation>Schreibt den ganzen Katalog in die Tellico-Datei &lt;Datei&gt; (- für die Standardausgabe) und endet, ohne Fenster.</translation>
    </message>
    <message>
        <source>Adds the cassettes and films of the Tellico file &lt;file&gt; to the archive as --import-csv does, with the same status; films the file puts on no cassette go to one named after its collection.</source>
        <translation>Fügt die Kassetten und Filme der Tellico-Datei &lt;Datei&gt; dem Archiv hinzu wie --import-csv, mit demselben Status; Filme, die die Datei auf keine Kassette legt, kommen auf eine nach ihrer Sammlung benannte.</translation>
    </message>
    <message>
        <source>The Tellico file&apos;s name is empty.</source>
        <translation>Der Name der Tellico-Datei ist leer.</translation>
    </message>
    <message>
        <source>Only one export, import or backup command can be done in one run.</source>
        <translation>Nur ein Export, ein Import oder ein Sicherungsbefehl ist in einem Lauf möglich.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>There is no archive &quot;%1&quot;.</source>
        <translation>Es gibt kein Archiv „%1“.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be read (%2).</source>
        <translation>Das Archiv „%1“ kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The size of the archive &quot;%1&quot; is not correct; a film could be missing.</source>
        <translation>Die Größe des Archivs „%1“ stimmt nicht; ein Film könnte fehlen.</translation>
    </message>
    <message>
        <source>The CSV file cannot be written to standard output (%1).</source>
        <translation>Die CSV-Datei kann nicht auf die Standardausgabe geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; cannot be written (%2).</source>
        <translation>Die CSV-Datei „%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Video cassettes</source>
        <translation>Videokassetten</translation>
    </message>
    <message>
        <source>The Tellico file &quot;%1&quot; cannot be written (%2).</source>
        <translation>Die Tellico-Datei „%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The web page cannot be written to standard output (%1).</source>
        <translation>Die Webseite kann nicht in die Standardausgabe geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The web page &quot;%1&quot; cannot be written (%2).</source>
        <translation>Die Webseite „%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>Cassette</source>
        <translation>Kassette</translation>
    </message>
    <message>
        <source>Cassette length</source>
        <translation>Kassettenlänge</translation>
    </message>
    <message>
        <source>Counter range</source>
        <translation>Zählerstand</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Handlung</translation>
    </message>
    <message>
        <source>Long-play</source>
        <translation>Longplay</translation>
    </message>
    <message>
        <source>Black/white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Gesehen</translation>
    </message>
    <message>
        <source>Deletable</source>
        <translation>Löschbar</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>The file holds no rows.</source>
        <translation>Die Datei enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>%1 holds a character that the archive cannot store: &quot;%2&quot;.</source>
        <translation>%1 enthält ein Zeichen, das das Archiv nicht speichern kann: „%2“.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters (a line break counts as two).</source>
        <translation>%1 ist länger als %2 Zeichen (ein Zeilenumbruch zählt doppelt).</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; only 0 and 1 are allowed.</source>
        <translation>%1 ist „%2“; erlaubt sind nur 0 und 1.</translation>
    </message>
    <message>
        <source>The row has %1 fields; the first row has %2.</source>
        <translation>Die Zeile hat %1 Felder, die erste Zeile hat %2.</translation>
    </message>
    <message>
        <source>The first row of the file is not the header row of a catalogue exported as CSV: no comma, semicolon or tab separates its columns. The columns expected are: %1.</source>
        <translation>Die erste Zeile der Datei ist nicht die Kopfzeile eines als CSV exportierten Katalogs: Kein Komma, Semikolon oder Tabulator trennt ihre Spalten. Erwartet werden die Spalten: %1.</translation>
    </message>
    <message>
        <source>commas</source>
        <translation>Kommas</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>Semikolons</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>Tabulatoren</translation>
    </message>
    <message>
        <source>The first row of the file is not the header row of a catalogue exported as CSV: separated by %1, it names no column &quot;%2&quot;. The columns expected are: %3.</source>
        <translation>Die erste Zeile der Datei ist nicht die Kopfzeile eines als CSV exportierten Katalogs: Durch %1 getrennt, nennt sie keine Spalte „%2“. Erwartet werden die Spalten: %3.</translation>
    </message>
    <message>
        <source>%1 holds a line break.</source>
        <translation>%1 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>%1 holds the control character U+%2.</source>
        <translation>%1 enthält das Steuerzeichen U+%2.</translation>
    </message>
    <message>
        <source>The row holds the byte 0x%1, which is not valid UTF-8.</source>
        <translation>Die Zeile enthält das Byte 0x%1, das kein gültiges UTF-8 ist.</translation>
    </message>
    <message>
        <source>%1 holds the byte 0x%2, which is not valid UTF-8.</source>
        <translation>%1 enthält das Byte 0x%2, das kein gültiges UTF-8 ist.</translation>
    </message>
    <message>
        <source>The quoted field opened on line %1 is never closed: the file from line %1 on was not read.</source>
        <translation>Das Anführungszeichen aus Zeile %1 wird nie geschlossen; ab Zeile %1 wurde nichts gelesen.</translation>
    </message>
    <message>
        <source>The year &quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>Das Jahr „%1“ ist keine Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>The length &quot;%1&quot; is not a number from 1 to %2.</source>
        <translation>Die Länge „%1“ ist keine Zahl von 1 bis %2.</translation>
    </message>
    <message>
        <source>Columns %1 and %2 of the first row both name the column &quot;%3&quot;; each column may be named only once.</source>
        <translation>Die Spalten %1 und %2 der ersten Zeile nennen beide die Spalte „%3“; jede Spalte darf nur einmal genannt werden.</translation>
    </message>
    <message>
        <source>%1 holds 0x%2, which is not valid %3.</source>
        <translation>%1 enthält 0x%2, das kein gültiges %3 ist.</translation>
    </message>
    <message>
        <source>The row holds 0x%1, which is not valid %2.</source>
        <translation>Die Zeile enthält 0x%1, das kein gültiges %2 ist.</translation>
    </message>
    <message>
        <source>The row holds no value.</source>
        <translation>Die Zeile enthält keinen Wert.</translation>
    </message>
    <message>
        <source>The cassette length &quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>Die Kassettenlänge „%1“ ist keine Zahl von 0 bis %2.</translation>
    </message>
</context>
<context>
    <name>app::AboutDialog</name>
    <message>
        <source>Info about reelMINDER/32 %1</source>
        <translation>Info über reelMINDER/32 %1</translation>
    </message>
    <message>
        <source>%1 for Windows 95</source>
        <translation>%1 für Windows 95</translation>
    </message>
    <message>
        <source>Language Selection</source>
        <translation>Sprachauswahl</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>app::ArchiveSession</name>
    <message>
        <source>The Archive could not be saved. The Archivefile (ReelMinder-Archiv.RMA) or the volume is probably write-protected.<byte value="xd"/><byte value="xd"/>Do you want to try to save it again?<byte value="xd"/><byte value="xd"/></source>
        <translation>Das Archiv konnte nicht gespeichert werden. Vermutlich ist die Archivdatei (ReelMinder-Archiv.RMA) oder der Datenträger schreibgeschützt.<byte value="xd"/><byte value="xd"/>Wollen Sie versuchen es noch einmal zu speichern?<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Saving of Archive failed</source>
        <translation>Archivspeicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation>Keine Sicherung aufbewahrt</translation>
    </message>
</context>
<context>
    <name>app::BackupCommand</name>
    <message>
        <source>The backups of the archive &quot;%1&quot; in %2 cannot be read.</source>
        <translation>Die Sicherungen des Archivs „%1“ in %2 können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No backups of the archive &quot;%1&quot; are kept.</source>
        <translation>Vom Archiv „%1“ werden keine Sicherungen aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>%n cassette(s)</source>
        <translation>
            <numerusform>%n Kassette</numerusform>
            <numerusform>%n Kassetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n film(s)</source>
        <translation>
            <numerusform>%n Film</numerusform>
            <numerusform>%n Filme</numerusform>
        </translation>
    </message>
    <message>
        <source>damaged (%1)</source>
        <translation>beschädigt (%1)</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is open in reelMINDER/32; nothing was restored.</source>
        <translation>Das Archiv „%1“ ist in reelMINDER/32 geöffnet; nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be locked. A second reelMINDER/32 on the same archive could overwrite the restored backup.</source>
        <translation>Das Archiv „%1“ kann nicht gesperrt werden. Ein zweites reelMINDER/32 auf demselben Archiv könnte die wiederhergestellte Sicherung überschreiben.</translation>
    </message>
    <message>
        <source>The last save of the archive &quot;%1&quot; was interrupted; start reelMINDER/32 to restore the copy kept from before it. Nothing was restored.</source>
        <translation>Das letzte Speichern des Archivs „%1“ wurde unterbrochen; starten Sie reelMINDER/32, um die Kopie von davor wiederherzustellen. Nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; has no backup %2; --list-backups lists those kept.</source>
        <translation>Das Archiv „%1“ hat keine Sicherung %2; --list-backups listet die aufbewahrten auf.</translation>
    </message>
    <message>
        <source>The backup %1 was not restored; the archive &quot;%2&quot; is unchanged.</source>
        <translation>Die Sicherung %1 wurde nicht wiederhergestellt; das Archiv „%2“ ist unverändert.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; now holds the backup of %2; the archive as it stood was kept as a new backup.</source>
        <translation>Das Archiv „%1“ enthält jetzt die Sicherung vom %2; das Archiv, wie es war, wurde als neue Sicherung aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>app::ImportCommand</name>
    <message>
        <source>The archive &quot;%1&quot; is already open in reelMINDER/32; nothing was changed.</source>
        <translation>Das Archiv „%1“ ist bereits in reelMINDER/32 geöffnet; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The last save of the archive &quot;%1&quot; was interrupted; start reelMINDER/32 to restore the copy kept from before it. Nothing was changed.</source>
        <translation>Das letzte Speichern des Archivs „%1“ wurde unterbrochen; starten Sie reelMINDER/32, um die davor erhaltene Kopie wiederherzustellen. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read (%2).</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Nothing was added; the archive is unchanged.</source>
        <translation>Nichts wurde hinzugefügt; das Archiv ist unverändert.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be saved (%2); it is unchanged.</source>
        <translation>Das Archiv „%1“ kann nicht gespeichert werden (%2); es ist unverändert.</translation>
    </message>
    <message>
        <source>Read as %1.</source>
        <translation>Gelesen als %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cassette(s) created.</source>
        <translation>
            <numerusform>%n Kassette angelegt.</numerusform>
            <numerusform>%n Kassetten angelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n film(s) added.</source>
        <translation>
            <numerusform>%n Film hinzugefügt.</numerusform>
            <numerusform>%n Filme hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped:</source>
        <translation>
            <numerusform>%n Zeile übersprungen:</numerusform>
            <numerusform>%n Zeilen übersprungen:</numerusform>
        </translation>
    </message>
    <message>
        <source>  line %1: %2</source>
        <translation>  Zeile %1: %2</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be locked. A second reelMINDER/32 on the same archive could overwrite the changes made by this import.</source>
        <translation>Das Archiv „%1“ kann nicht gesperrt werden. Ein zweites reelMINDER/32 auf demselben Archiv könnte die Änderungen dieses Imports überschreiben.</translation>
    </message>
    <message numerus="yes">
        <source>Note: the cassette &quot;%1&quot; is over-full by %n minute(s), as the archive allows.</source>
        <translation>
            <numerusform>Hinweis: Die Kassette „%1“ ist um %n Minute überfüllt, wie das Archiv es zulässt.</numerusform>
            <numerusform>Hinweis: Die Kassette „%1“ ist um %n Minuten überfüllt, wie das Archiv es zulässt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tellico</source>
        <translation>Tellico</translation>
    </message>
    <message numerus="yes">
        <source>%n film(s) without a cassette put on the cassette &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n Film ohne Kassette auf die Kassette „%1“ gelegt.</numerusform>
            <numerusform>%n Filme ohne Kassette auf die Kassette „%1“ gelegt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>catalogue::ArchiveFiles</name>
    <message>
        <source>The file is the archive of reelMINDER/32</source>
        <translation>Die Datei ist das Archiv von reelMINDER/32</translation>
    </message>
    <message>
        <source>The file is the backup of the archive of reelMINDER/32</source>
        <translation>Die Datei ist die Sicherungskopie des Archivs von reelMINDER/32</translation>
    </message>
    <message>
        <source>The file is the lock file of the archive of reelMINDER/32</source>
        <translation>Die Datei ist die Sperrdatei des Archivs von reelMINDER/32</translation>
    </message>
    <message>
        <source>The file is a copy of an archive that reelMINDER/32 keeps</source>
        <translation>Die Datei ist eine Kopie eines Archivs, die reelMINDER/32 aufbewahrt</translation>
    </message>
</context>
<context>
    <name>catalogue::FileSystem</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB; no catalogue is that large.</source>
        <translation>
            <numerusform>Die Datei ist größer als %n MB; so groß ist kein Katalog.</numerusform>
            <numerusform>Die Datei ist größer als %n MB; so groß ist kein Katalog.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>catalogue::Generations</name>
    <message>
        <source>its description cannot be read</source>
        <translation>ihre Beschreibung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its records are missing</source>
        <translation>ihre Datensätze fehlen</translation>
    </message>
    <message>
        <source>its size is wrong</source>
        <translation>ihre Größe stimmt nicht</translation>
    </message>
    <message>
        <source>The backup is damaged (%1) and cannot be restored.</source>
        <translation>Die Sicherung ist beschädigt (%1) und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>its checksum is wrong</source>
        <translation>ihre Prüfsumme stimmt nicht</translation>
    </message>
    <message>
        <source>its counts are wrong</source>
        <translation>ihre Anzahlen stimmen nicht</translation>
    </message>
    <message>
        <source>The archive cannot be read (%1), so it cannot be kept first.</source>
        <translation>Das Archiv kann nicht gelesen werden (%1) und deshalb nicht zuerst aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The archive as it stands cannot be kept as a backup first (%1).</source>
        <translation>Das Archiv, wie es ist, kann nicht zuerst als Sicherung aufbewahrt werden (%1).</translation>
    </message>
    <message>
        <source>The archive cannot be saved (%1).</source>
        <translation>Das Archiv kann nicht gespeichert werden (%1).</translation>
    </message>
    <message>
        <source>The archive was saved, but no backup of it could be kept in %1 (%2).</source>
        <translation>Das Archiv wurde gespeichert, aber keine Sicherung davon konnte in %1 aufbewahrt werden (%2).</translation>
    </message>
</context>
<context>
    <name>catalogue::SystemError</name>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
</context>
<context>
    <name>controls::FilmFields</name>
    <message>
        <source>&amp;Filmname:</source>
        <translation>&amp;Filmname:</translation>
    </message>
    <message>
        <source>&amp;Productionyear:</source>
        <translation>&amp;Produktionsjahr:</translation>
    </message>
    <message>
        <source>Prod&amp;uced in:</source>
        <translation>Produ&amp;ktionsland:</translation>
    </message>
    <message>
        <source>Produced &amp;in:</source>
        <translation>Produktions&amp;land:</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>Län&amp;ge:</translation>
    </message>
    <message>
        <source>Di&amp;rector:</source>
        <translation>&amp;Regie:</translation>
    </message>
    <message>
        <source>&amp;Director:</source>
        <translation>&amp;Regie:</translation>
    </message>
    <message>
        <source>&amp;Actors:</source>
        <comment>film window</comment>
        <translation>&amp;Darsteller:</translation>
    </message>
    <message>
        <source>&amp;Actors:</source>
        <comment>search</comment>
        <translation>&amp;Darsteller</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>G&amp;enre:</translation>
    </message>
    <message>
        <source>&amp;Story:</source>
        <translation>H&amp;andlung:</translation>
    </message>
    <message>
        <source>Sto&amp;ry:</source>
        <translation>&amp;Handlung:</translation>
    </message>
    <message>
        <source>Longpla&amp;y</source>
        <translation>L&amp;ongplay</translation>
    </message>
    <message>
        <source>&amp;Black/White</source>
        <translation>Schwarz/&amp;Weiß</translation>
    </message>
    <message>
        <source>Black/&amp;White</source>
        <translation>Schwarz/&amp;Weiß</translation>
    </message>
    <message>
        <source>S&amp;een</source>
        <comment>film window</comment>
        <translation>Gese&amp;hen</translation>
    </message>
    <message>
        <source>S&amp;een</source>
        <comment>search</comment>
        <translation>Ge&amp;sehen</translation>
    </message>
    <message>
        <source>Dele&amp;table</source>
        <comment>film window</comment>
        <translation>Lös&amp;chbar</translation>
    </message>
    <message>
        <source>Dele&amp;table</source>
        <comment>search</comment>
        <translation>Lösch&amp;bar</translation>
    </message>
</context>
<context>
    <name>exchange::HtmlPage</name>
    <message>
        <source>Videotape catalogue</source>
        <translation>Videokassetten-Katalog</translation>
    </message>
    <message>
        <source>Search films</source>
        <translation>Filme suchen</translation>
    </message>
    <message>
        <source>Title, person, genre or year</source>
        <translation>Titel, Person, Genre oder Jahr</translation>
    </message>
    <message>
        <source>This page needs JavaScript to show the catalogue.</source>
        <translation>Diese Seite braucht JavaScript, um den Katalog zu zeigen.</translation>
    </message>
    <message numerus="yes">
        <source>%n tape(s)</source>
        <translation>
            <numerusform>%n Kassette</numerusform>
            <numerusform>%n Kassetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n film(s)</source>
        <translation>
            <numerusform>%n Film</numerusform>
            <numerusform>%n Filme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n film(s) shown</source>
        <translation>
            <numerusform>%1 von %n Film angezeigt</numerusform>
            <numerusform>%1 von %n Filmen angezeigt</numerusform>
        </translation>
    </message>
    <message>
        <source>Length: %1 min</source>
        <translation>Länge: %1 Min.</translation>
    </message>
    <message>
        <source>Left: %1 min</source>
        <translation>Frei: %1 Min.</translation>
    </message>
    <message>
        <source>Over-full by %1 min</source>
        <translation>Um %1 Min. überfüllt</translation>
    </message>
    <message>
        <source>No films on this tape.</source>
        <translation>Keine Filme auf dieser Kassette.</translation>
    </message>
    <message>
        <source>No film matches the search.</source>
        <translation>Kein Film passt zur Suche.</translation>
    </message>
    <message>
        <source>Counter: </source>
        <translation>Zählerstand: </translation>
    </message>
    <message>
        <source>Year: </source>
        <translation>Jahr: </translation>
    </message>
    <message>
        <source>Director: </source>
        <translation>Regie: </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>Genre: </translation>
    </message>
    <message>
        <source>Actors: </source>
        <translation>Darsteller: </translation>
    </message>
    <message>
        <source>LP</source>
        <translation>LP</translation>
    </message>
    <message>
        <source>long-play</source>
        <translation>Longplay</translation>
    </message>
    <message>
        <source>B/W</source>
        <translation>S/W</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>schwarzweiß</translation>
    </message>
</context>
<context>
    <name>exchange::LabelDocument</name>
    <message>
        <source>Spine labels</source>
        <translation>Rückenetiketten</translation>
    </message>
    <message>
        <source>Face labels</source>
        <translation>Frontetiketten</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more film(s)</source>
        <translation>
            <numerusform>… und %n weiterer Film</numerusform>
            <numerusform>… und %n weitere Filme</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (past end)</source>
        <comment>a face label&apos;s film title, the film running past the end of the tape</comment>
        <translation>%1 (nach Bandende)</translation>
    </message>
</context>
<context>
    <name>exchange::LabelSheets</name>
    <message>
        <source>A4, VHS spine labels</source>
        <translation>A4, VHS-Rückenetiketten</translation>
    </message>
    <message>
        <source>A4, VHS face labels</source>
        <translation>A4, VHS-Frontetiketten</translation>
    </message>
    <message>
        <source>A4, labels 3 x 7</source>
        <translation>A4, Etiketten 3 x 7</translation>
    </message>
    <message>
        <source>Letter, VHS spine labels</source>
        <translation>Letter, VHS-Rückenetiketten</translation>
    </message>
    <message>
        <source>Letter, labels 2 x 5</source>
        <translation>Letter, Etiketten 2 x 5</translation>
    </message>
    <message>
        <source>Letter, labels 3 x 10</source>
        <translation>Letter, Etiketten 3 x 10</translation>
    </message>
</context>
<context>
    <name>exchange::SheetDocument</name>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>LP</source>
        <translation>LP</translation>
    </message>
    <message>
        <source>Length: %1 min</source>
        <translation>Länge: %1 Min.</translation>
    </message>
    <message>
        <source>Remaining time: %1 min</source>
        <translation>Restzeit: %1 Min.</translation>
    </message>
    <message>
        <source>Films: %1</source>
        <translation>Filme: %1</translation>
    </message>
    <message>
        <source>(continued)</source>
        <translation>(Fortsetzung)</translation>
    </message>
    <message>
        <source>No films on this tape.</source>
        <translation>Keine Filme auf dieser Kassette.</translation>
    </message>
    <message>
        <source>The catalogue holds no tapes.</source>
        <translation>Der Katalog enthält keine Kassetten.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Cassette sheet</source>
        <translation>Kassettenblatt</translation>
    </message>
    <message>
        <source>Catalogue list</source>
        <translation>Katalogliste</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
</context>
<context>
    <name>exchange::SheetPainter</name>
    <message>
        <source>The PDF document could not be started.</source>
        <translation>Das PDF-Dokument konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>exchange::StatisticsTexts</name>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 % (%2)</source>
        <translation>%1 % (%2)</translation>
    </message>
    <message>
        <source>%1 (on &quot;%2&quot;)</source>
        <translation>%1 (auf „%2“)</translation>
    </message>
    <message>
        <source>Tapes</source>
        <translation>Kassetten</translation>
    </message>
    <message>
        <source>Films</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <source>Free in normal mode</source>
        <translation>Frei im Normalmodus</translation>
    </message>
    <message>
        <source>Free in long-play mode</source>
        <translation>Frei in Longplay</translation>
    </message>
    <message>
        <source>Films per tape, on average</source>
        <translation>Filme je Kassette, im Mittel</translation>
    </message>
    <message>
        <source>Most films on one tape</source>
        <translation>Meiste Filme auf einer Kassette</translation>
    </message>
    <message>
        <source>Long-play films</source>
        <translation>Longplay-Filme</translation>
    </message>
    <message>
        <source>Black-and-white films</source>
        <translation>Schwarzweißfilme</translation>
    </message>
    <message>
        <source>Films seen</source>
        <translation>Gesehene Filme</translation>
    </message>
    <message>
        <source>Films to be deleted</source>
        <translation>Löschbare Filme</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>No genre</source>
        <translation>Ohne Genre</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a decade, such as the 1950s</comment>
        <translation>%1er</translation>
    </message>
    <message>
        <source>Unknown year</source>
        <translation>Jahr unbekannt</translation>
    </message>
    <message>
        <source>Over-full</source>
        <translation>Überfüllt</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Films per genre</source>
        <translation>Filme je Genre</translation>
    </message>
    <message>
        <source>Films per decade of production</source>
        <translation>Filme je Jahrzehnt der Produktion</translation>
    </message>
    <message>
        <source>Tapes by how full they are</source>
        <translation>Kassetten nach Füllstand</translation>
    </message>
    <message>
        <source>0–25 %</source>
        <translation>0–25 %</translation>
    </message>
    <message>
        <source>25–50 %</source>
        <translation>25–50 %</translation>
    </message>
    <message>
        <source>50–75 %</source>
        <translation>50–75 %</translation>
    </message>
    <message>
        <source>75–100 %</source>
        <translation>75–100 %</translation>
    </message>
</context>
<context>
    <name>exchange::TellicoImport</name>
    <message>
        <source>The file is no Tellico file: %1</source>
        <translation>Die Datei ist keine Tellico-Datei: %1</translation>
    </message>
    <message>
        <source>The file is no Tellico file.</source>
        <translation>Die Datei ist keine Tellico-Datei.</translation>
    </message>
    <message>
        <source>The Tellico file holds a collection of another kind (type %1), not of videos: only a video collection can be imported.</source>
        <translation>Die Tellico-Datei enthält eine Sammlung anderer Art (Typ %1), keine Videos: Nur eine Videosammlung kann importiert werden.</translation>
    </message>
    <message>
        <source>The Tellico file holds no collection.</source>
        <translation>Die Tellico-Datei enthält keine Sammlung.</translation>
    </message>
    <message>
        <source>%1 holds the control character U+%2.</source>
        <translation>%1 enthält das Steuerzeichen U+%2.</translation>
    </message>
    <message>
        <source>%1 holds a character that the archive cannot store.</source>
        <translation>%1 enthält ein Zeichen, das das Archiv nicht speichern kann.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4.</source>
        <translation>%1 „%2“ ist keine Zahl von %3 bis %4.</translation>
    </message>
    <message>
        <source>The entry has no running time: a film needs its length to take its place on the tape.</source>
        <translation>Der Eintrag hat keine Laufzeit: Ein Film braucht seine Länge, um seinen Platz auf dem Band zu bekommen.</translation>
    </message>
    <message>
        <source>The entry holds neither a film nor a cassette.</source>
        <translation>Der Eintrag enthält weder einen Film noch eine Kassette.</translation>
    </message>
    <message>
        <source>The Tellico file is damaged at line %1.</source>
        <translation>Die Tellico-Datei ist in Zeile %1 beschädigt.</translation>
    </message>
</context>
<context>
    <name>exchange::Zip</name>
    <message>
        <source>The zip archive is damaged or of a kind that cannot be read.</source>
        <translation>Das Zip-Archiv ist beschädigt oder von einer Art, die nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>The zip archive holds no file &quot;%1&quot;.</source>
        <translation>Das Zip-Archiv enthält keine Datei „%1“.</translation>
    </message>
</context>
<context>
    <name>ui::ErrorGuard</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ui::HelpViewer</name>
    <message>
        <source>reelMINDER/32 Help</source>
        <translation>reelMINDER/32 Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>There is no help on this topic.</source>
        <translation>Zu diesem Thema gibt es keine Hilfe.</translation>
    </message>
</context>
<context>
    <name>ui::MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ui::SettingsStore</name>
    <message>
        <source>Could not set data for &apos;%1&apos;</source>
        <translation>Konnte Daten für „%1“ nicht setzen</translation>
    </message>
</context>
<context>
    <name>windows::BackupsWindow</name>
    <message>
        <source>added</source>
        <translation>kommt hinzu</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>fällt weg</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>ändert sich</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>&amp;Saved versions of the archive, newest first:</source>
        <translation>&amp;Gespeicherte Stände des Archivs, neueste zuerst:</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Tapes</source>
        <translation>Kassetten</translation>
    </message>
    <message>
        <source>Films</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Tape / film</source>
        <translation>Kassette / Film</translation>
    </message>
    <message>
        <source>On restore</source>
        <translation>Beim Wiederherstellen</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>In the backup</source>
        <translation>In der Sicherung</translation>
    </message>
    <message>
        <source>&amp;Open film</source>
        <translation>Film ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message numerus="yes">
        <source>%1 min, %n film(s)</source>
        <translation>
            <numerusform>%1 Min., %n Film</numerusform>
            <numerusform>%1 Min., %n Filme</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>&amp;Differences: no backup chosen</source>
        <translation>&amp;Unterschiede: keine Sicherung gewählt</translation>
    </message>
    <message>
        <source>&amp;Differences: this backup cannot be restored: %1</source>
        <translation>&amp;Unterschiede: Diese Sicherung kann nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>&amp;Differences: nothing differs from the catalogue now</source>
        <translation>&amp;Unterschiede: Nichts weicht vom jetzigen Katalog ab</translation>
    </message>
    <message>
        <source>&amp;Differences that restoring would make: %1 and %2</source>
        <translation>&amp;Unterschiede, die das Wiederherstellen brächte: %1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tape(s)</source>
        <translation>
            <numerusform>%n Kassette</numerusform>
            <numerusform>%n Kassetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n film(s)</source>
        <translation>
            <numerusform>%n Film</numerusform>
            <numerusform>%n Filme</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace the catalogue with the backup of %1?
Ctrl+Z takes it back.</source>
        <translation>Den Katalog durch die Sicherung vom %1 ersetzen?
Strg+Z nimmt das zurück.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
</context>
<context>
    <name>windows::CassetteDialog</name>
    <message>
        <source>Create new Tape</source>
        <translation>Neue Kassette erstellen</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>&amp;Tapename:</source>
        <translation>&amp;Kassettenbezeichnung:</translation>
    </message>
    <message>
        <source>Tape&amp;length (in min.):</source>
        <translation>Kassetten&amp;länge (in min.):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No Tapename!</source>
        <translation>Kassettenbezeichnung fehlt!</translation>
    </message>
    <message>
        <source>Please enter a name for the Tape!</source>
        <translation>Bitte geben Sie eine Bezeichnung für die Kassette an!</translation>
    </message>
    <message>
        <source>Invalid Tapelength</source>
        <translation>Ungültige Kassettenlänge</translation>
    </message>
    <message>
        <source>Tapename already exists</source>
        <translation>Kassettenbezeichnung exisiert bereits</translation>
    </message>
    <message>
        <source>There is already a Tape with the given name. Please enter another one.</source>
        <translation>Es existiert bereits eine Kassette mit der angegebenen Bezeichnung. Bitte geben Sie einen anderen an.</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the Tapelength. You must enter a value between %1 and %2.</source>
        <translation>Sie haben einen ungültigen Wert für die Kassettenlänge angegeben. Sie müssen einen Wert zwischen %1 und %2 angeben.</translation>
    </message>
</context>
<context>
    <name>windows::CassetteListModel</name>
    <message>
        <source>Tape</source>
        <translation>Kassette</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>No. of films</source>
        <translation>Filmanzahl</translation>
    </message>
    <message>
        <source>Remaining Time</source>
        <translation>Restzeit</translation>
    </message>
</context>
<context>
    <name>windows::CatalogueCommand</name>
    <message>
        <source>create cassette &quot;%1&quot;</source>
        <translation>Anlegen der Kassette „%1“</translation>
    </message>
    <message>
        <source>rename cassette &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>Umbenennen der Kassette „%1“ in „%2“</translation>
    </message>
    <message>
        <source>change length of cassette &quot;%1&quot;</source>
        <translation>Ändern der Länge der Kassette „%1“</translation>
    </message>
    <message>
        <source>edit cassette &quot;%1&quot;</source>
        <translation>Bearbeiten der Kassette „%1“</translation>
    </message>
    <message>
        <source>delete cassette &quot;%1&quot;</source>
        <translation>Löschen der Kassette „%1“</translation>
    </message>
    <message>
        <source>add film &quot;%1&quot;</source>
        <translation>Hinzufügen des Films „%1“</translation>
    </message>
    <message>
        <source>insert film &quot;%1&quot;</source>
        <translation>Einfügen des Films „%1“</translation>
    </message>
    <message>
        <source>edit film &quot;%1&quot;</source>
        <translation>Ändern des Films „%1“</translation>
    </message>
    <message>
        <source>delete film &quot;%1&quot;</source>
        <translation>Löschen des Films „%1“</translation>
    </message>
    <message>
        <source>import of &quot;%1&quot;</source>
        <translation>Import von „%1“</translation>
    </message>
    <message>
        <source>restore backup of %1</source>
        <translation>Wiederherstellen der Sicherung vom %1</translation>
    </message>
</context>
<context>
    <name>windows::CsvTransfer</name>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written (%2).</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read (%2).</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Writing the CSV file...</source>
        <translation>Die CSV-Datei wird geschrieben...</translation>
    </message>
    <message>
        <source>Reading the CSV file...</source>
        <translation>Die CSV-Datei wird gelesen...</translation>
    </message>
    <message>
        <source>Adding the films...</source>
        <translation>Die Filme werden hinzugefügt...</translation>
    </message>
</context>
<context>
    <name>windows::DocumentOutput</name>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written:<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Die PDF-Datei „%1“ konnte nicht geschrieben werden:<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Saving as PDF failed</source>
        <translation>Speichern als PDF fehlgeschlagen</translation>
    </message>
    <message>
        <source>Laying out the pages...</source>
        <translation>Die Seiten werden umbrochen...</translation>
    </message>
    <message>
        <source>Writing the PDF file...</source>
        <translation>Die PDF-Datei wird geschrieben...</translation>
    </message>
</context>
<context>
    <name>windows::DocumentPreview</name>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Page set&amp;up...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <source>P&amp;age:</source>
        <translation>&amp;Seite:</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Es wird gedruckt...</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Der Drucker „%1“ ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source>Print preview – %1</source>
        <translation>Druckvorschau – %1</translation>
    </message>
</context>
<context>
    <name>windows::DuplicatesModel</name>
    <message numerus="yes">
        <source>%n recording(s)</source>
        <translation>
            <numerusform>%n Aufnahme</numerusform>
            <numerusform>%n Aufnahmen</numerusform>
        </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Kassette</translation>
    </message>
    <message>
        <source>Counter range</source>
        <translation>Zählerbereich</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Long-play</source>
        <translation>Longplay</translation>
    </message>
</context>
<context>
    <name>windows::DuplicatesWindow</name>
    <message>
        <source>Duplicates</source>
        <translation>Doppelte Filme</translation>
    </message>
    <message>
        <source>&amp;Open film</source>
        <translation>Film ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Films recorded more than once: %n group(s)</source>
        <translation>
            <numerusform>Mehrfach aufgenommene Filme: %n &amp;Gruppe</numerusform>
            <numerusform>Mehrfach aufgenommene Filme: %n &amp;Gruppen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>windows::FilmWindow</name>
    <message>
        <source>&amp;Counterrange:</source>
        <translation>&amp;Zählerbereich:</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>Ei&amp;nfügen</translation>
    </message>
    <message>
        <source>Yearnumber is 0</source>
        <translation>Jahreszahl ist 0</translation>
    </message>
    <message>
        <source>The given year is invalid. Please enter a value higher than 0.</source>
        <translation>Die angegebene Jahreszahl ist unzulässig. Bitte tragen Sie einen Wert größer alt 0 ein</translation>
    </message>
    <message>
        <source>Filmlength is invalid</source>
        <translation>Filmlänge ist ungültig</translation>
    </message>
    <message>
        <source>The given Filmlength is invalid. Please enter a value between 0 and the maximum tapelength.</source>
        <translation>Die angegebene Filmlänge ist unzulässig. Bitte tragen Sie einen Wert zwischen 0 und der maximalen Kassettenlänge ein.</translation>
    </message>
    <message>
        <source>Film is too long</source>
        <translation>Film zu lang</translation>
    </message>
    <message>
        <source>This Film is too long to have space on the Tape. If you have recorded the Film in longplay, please check the &quot;Longplay&quot;-Checkbox.</source>
        <translation>Dieser Film ist zu lang um auf der Kassette Platz zu haben. Wenn Sie ihn in Longplay aufgenommen haben, markieren Sie bitte die „Longplay“-Checkbox.</translation>
    </message>
    <message>
        <source>Do you really want to delete this film?</source>
        <translation>Wollen Sie diesen Film wirklich löschen?</translation>
    </message>
    <message>
        <source>Deleting of a Film</source>
        <translation>Löschen eines Filmes</translation>
    </message>
</context>
<context>
    <name>windows::FindSpaceModel</name>
    <message>
        <source>Tape</source>
        <translation>Kassette</translation>
    </message>
    <message>
        <source>Free (min.)</source>
        <translation>Frei (Min.)</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>Beginnt bei</translation>
    </message>
    <message>
        <source>Left after (min.)</source>
        <translation>Danach frei (Min.)</translation>
    </message>
    <message>
        <source>Free (LP min.)</source>
        <translation>Frei (LP-Min.)</translation>
    </message>
    <message>
        <source>Left after (LP min.)</source>
        <translation>Danach frei (LP-Min.)</translation>
    </message>
</context>
<context>
    <name>windows::FindSpaceWindow</name>
    <message>
        <source>Find Space</source>
        <translation>Platz suchen</translation>
    </message>
    <message>
        <source>&amp;Length of the recording:</source>
        <translation>&amp;Länge der Aufnahme:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Longpla&amp;y</source>
        <translation>L&amp;ongplay</translation>
    </message>
    <message>
        <source>&amp;Open tape</source>
        <translation>Kassette ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Enter the length of the recording in minutes.</source>
        <translation>Geben Sie die Länge der Aufnahme in Minuten ein.</translation>
    </message>
    <message>
        <source>No tape has room for a recording of this length.</source>
        <translation>Auf keiner Kassette ist Platz für eine Aufnahme dieser Länge.</translation>
    </message>
    <message numerus="yes">
        <source>%n &amp;tape(s) with room for it:</source>
        <translation>
            <numerusform>%n &amp;Kassette mit Platz dafür:</numerusform>
            <numerusform>%n &amp;Kassetten mit Platz dafür:</numerusform>
        </translation>
    </message>
    <message>
        <source>No tape is that long: lengths go up to %1 minutes.</source>
        <translation>Kein Band ist so lang: Längen reichen bis %1 Minuten.</translation>
    </message>
</context>
<context>
    <name>windows::GenreNames</name>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Adventure</source>
        <translation>Abenteuer</translation>
    </message>
    <message>
        <source>Cabaret</source>
        <translation>Kabarett</translation>
    </message>
    <message>
        <source>Cartoon</source>
        <translation>Zeichentrick</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Komödie</translation>
    </message>
    <message>
        <source>Culture</source>
        <translation>Kultur</translation>
    </message>
    <message>
        <source>Disastermovie</source>
        <translation>Katastrophenfilm</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Drama</translation>
    </message>
    <message>
        <source>Erotic</source>
        <translation>Erotik</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasy</translation>
    </message>
    <message>
        <source>Horror</source>
        <translation>Horror</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>Musical</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Natur</translation>
    </message>
    <message>
        <source>Opera</source>
        <translation>Oper</translation>
    </message>
    <message>
        <source>Operetta</source>
        <translation>Operette</translation>
    </message>
    <message>
        <source>Satire</source>
        <translation>Satire</translation>
    </message>
    <message>
        <source>Science-Fiction</source>
        <translation>Science-Fiction</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Sitcom</source>
        <translation>Sitcom</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Theatre</source>
        <translation>Theater</translation>
    </message>
    <message>
        <source>Thriller</source>
        <translation>Thriller</translation>
    </message>
    <message>
        <source>Warfilm</source>
        <translation>Kriegsfilm</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Western</translation>
    </message>
    <message>
        <source>Costume film</source>
        <translation>Kostümfilm</translation>
    </message>
    <message>
        <source>Crime</source>
        <translation>Krimi</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Reportage</translation>
    </message>
</context>
<context>
    <name>windows::ImportSummaryDialog</name>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Import CSV: %1</source>
        <translation>CSV importieren: %1</translation>
    </message>
    <message>
        <source>New cassettes: %1. Films to add: %2. Skipped rows: %3.</source>
        <translation>Neue Kassetten: %1. Neue Filme: %2. Übersprungene Zeilen: %3.</translation>
    </message>
    <message>
        <source>&amp;What will be added:</source>
        <translation>&amp;Was hinzukommt:</translation>
    </message>
    <message>
        <source>Cassette</source>
        <translation>Kassette</translation>
    </message>
    <message>
        <source>Films</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Cassette is</source>
        <translation>Kassette ist</translation>
    </message>
    <message>
        <source>created</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>already there</source>
        <translation>schon vorhanden</translation>
    </message>
    <message>
        <source>&amp;Skipped rows:</source>
        <translation>Ü&amp;bersprungene Zeilen:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Zeichenkodierung: %1</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message numerus="yes">
        <source>over-full by %n min.</source>
        <translation>
            <numerusform>um %n min. überfüllt</numerusform>
            <numerusform>um %n min. überfüllt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cassette(s) will be over-full, as the archive allows: see the notes above.</source>
        <translation>
            <numerusform>%n Kassette wird überfüllt sein, wie das Archiv es zulässt: siehe die Hinweise oben.</numerusform>
            <numerusform>%n Kassetten werden überfüllt sein, wie das Archiv es zulässt: siehe die Hinweise oben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Tellico</source>
        <translation>Tellico importieren</translation>
    </message>
    <message>
        <source>Import Tellico: %1</source>
        <translation>Tellico importieren: %1</translation>
    </message>
    <message>
        <source>New cassettes: %1. Films to add: %2. Skipped entries: %3.</source>
        <translation>Neue Kassetten: %1. Hinzukommende Filme: %2. Übersprungene Einträge: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n film(s) of the file are on no cassette; put them on the c&amp;assette:</source>
        <translation>
            <numerusform>%n Film der Datei liegt auf keiner Kassette; auf die K&amp;assette legen:</numerusform>
            <numerusform>%n Filme der Datei liegen auf keiner Kassette; auf die K&amp;assette legen:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Skipped entries:</source>
        <translation>Ü&amp;bersprungene Einträge:</translation>
    </message>
</context>
<context>
    <name>windows::LabelDialog</name>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message>
        <source>Tapes</source>
        <translation>Kassetten</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Only the tic&amp;ked tapes:</source>
        <translation>Nur die an&amp;gekreuzten Kassetten:</translation>
    </message>
    <message>
        <source>Spi&amp;ne labels</source>
        <translation>&amp;Rückenetiketten</translation>
    </message>
    <message>
        <source>&amp;Face labels</source>
        <translation>&amp;Frontetiketten</translation>
    </message>
    <message>
        <source>Start at la&amp;bel:</source>
        <translation>Beginnen bei Etikett &amp;Nr.:</translation>
    </message>
    <message>
        <source>Draw the &amp;edges of the labels</source>
        <translation>&amp;Umrisse der Etiketten zeichnen</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;All tapes (%1)</source>
        <translation>&amp;Alle Kassetten (%1)</translation>
    </message>
    <message>
        <source>of %1 on the first sheet</source>
        <translation>von %1 auf dem ersten Bogen</translation>
    </message>
    <message>
        <source>The labels do not fit on the paper.</source>
        <translation>Die Etiketten passen nicht auf das Papier.</translation>
    </message>
    <message>
        <source>No tape chosen.</source>
        <translation>Keine Kassette gewählt.</translation>
    </message>
    <message numerus="yes">
        <source>%n label(s)</source>
        <translation>
            <numerusform>%n Etikett</numerusform>
            <numerusform>%n Etiketten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>on %n sheet(s)</source>
        <translation>
            <numerusform>auf %n Bogen</numerusform>
            <numerusform>auf %n Bögen</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF file written: %1</source>
        <translation>PDF-Datei geschrieben: %1</translation>
    </message>
</context>
<context>
    <name>windows::LabelSheetEditor</name>
    <message>
        <source>Label sheet</source>
        <translation>Etikettenbogen</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Bogen:</translation>
    </message>
    <message>
        <source>Pape&amp;r:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>Brei&amp;te:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Col&amp;umns:</source>
        <translation>&amp;Spalten:</translation>
    </message>
    <message>
        <source>R&amp;ows:</source>
        <translation>&amp;Zeilen:</translation>
    </message>
    <message>
        <source>&amp;Left margin:</source>
        <translation>&amp;Linker Rand:</translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation>&amp;Oberer Rand:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal gap:</source>
        <translation>Abstand &amp;waagerecht:</translation>
    </message>
    <message>
        <source>&amp;Vertical gap:</source>
        <translation>Abstand s&amp;enkrecht:</translation>
    </message>
    <message>
        <source>My own sheet</source>
        <translation>Eigener Bogen</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US Letter</translation>
    </message>
</context>
<context>
    <name>windows::MainWindow</name>
    <message>
        <source>&amp;Videotapes:</source>
        <translation>&amp;Videokassetten:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;arbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Search film</source>
        <translation>Film &amp;suchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Info about reelMINDER/32</source>
        <translation>&amp;Info über reelMINDER/32</translation>
    </message>
    <message numerus="yes">
        <source>%n Tape(s)</source>
        <translation>
            <numerusform>%n Kassette</numerusform>
            <numerusform>%n Kassetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Film(s)</source>
        <translation>
            <numerusform>%n Film</numerusform>
            <numerusform>%n Filme</numerusform>
        </translation>
    </message>
    <message>
        <source>No tape selected</source>
        <translation>Keine Kassette ausgewählt</translation>
    </message>
    <message>
        <source>Please select first the tape that you want to open.</source>
        <translation>Bitte wählen Sie zuerst die Kassette aus, die Sie öffnen wollen.</translation>
    </message>
    <message>
        <source>Please select first the tape, that you want to edit.</source>
        <translation>Bitte wählen Sie zuerst die Kassette aus, die Sie bearbeiten wollen.</translation>
    </message>
    <message>
        <source>Please select first the tape that you want to delete.</source>
        <translation>Bitte wählen Sie zuerst die Kassette aus, die Sie löschen wollen.</translation>
    </message>
    <message>
        <source>Do you really want do delete the Videotape &quot;%1&quot;?</source>
        <translation>Wollen Sie die Videokassette „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Deleting of a Videotape</source>
        <translation>Löschen einer Videokassette</translation>
    </message>
    <message>
        <source>Do you really want to exit reelMINDER/32?</source>
        <translation>Wollen Sie reelMINDER/32 wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit reelMINDER/32</source>
        <translation>reelMINDER/32 beenden</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Print cassette sheet...</source>
        <translation>Kassettenblatt &amp;drucken...</translation>
    </message>
    <message>
        <source>Print catalo&amp;gue list...</source>
        <translation>Katalogliste dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Cassette sheet as P&amp;DF...</source>
        <translation>Kassettenblatt als &amp;PDF...</translation>
    </message>
    <message>
        <source>Catalogue &amp;list as PDF...</source>
        <translation>Katalogliste als PD&amp;F...</translation>
    </message>
    <message>
        <source>Please select first the tape that you want to print.</source>
        <translation>Bitte wählen Sie zuerst die Kassette aus, die Sie drucken wollen.</translation>
    </message>
    <message>
        <source>Please select first the tape that you want to save as PDF.</source>
        <translation>Bitte wählen Sie zuerst die Kassette aus, die Sie als PDF speichern wollen.</translation>
    </message>
    <message>
        <source>Catalogue list</source>
        <translation>Katalogliste</translation>
    </message>
    <message>
        <source>Find &amp;space...</source>
        <translation>Platz &amp;suchen...</translation>
    </message>
    <message>
        <source>Tape &amp;map...</source>
        <translation>Band&amp;übersicht...</translation>
    </message>
    <message>
        <source>Dupli&amp;cates...</source>
        <translation>D&amp;oppelte Filme...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>Print la&amp;bels...</source>
        <translation>Eti&amp;ketten drucken...</translation>
    </message>
    <message>
        <source>CSV file written: %1</source>
        <translation>CSV-Datei geschrieben: %1</translation>
    </message>
    <message>
        <source>PDF file written: %1</source>
        <translation>PDF-Datei geschrieben: %1</translation>
    </message>
    <message>
        <source>Save as &amp;Web Page...</source>
        <translation>&amp;Als Webseite speichern...</translation>
    </message>
    <message>
        <source>Web page written: %1</source>
        <translation>Webseite geschrieben: %1</translation>
    </message>
    <message>
        <source>E&amp;xport Tellico...</source>
        <translation>Tellico e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Import Tellic&amp;o...</source>
        <translation>Tellico i&amp;mportieren...</translation>
    </message>
    <message>
        <source>Tellico file written: %1</source>
        <translation>Tellico-Datei geschrieben: %1</translation>
    </message>
    <message>
        <source>Bac&amp;kups...</source>
        <translation>Sic&amp;herungen...</translation>
    </message>
</context>
<context>
    <name>windows::SearchDialog</name>
    <message>
        <source>Search a film</source>
        <translation>Film suchen</translation>
    </message>
    <message>
        <source>Searchcriterions</source>
        <translation>Suchkriterien</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>S&amp;uche starten</translation>
    </message>
    <message>
        <source>Discard Searc&amp;hresult</source>
        <translation>Suchergebnis &amp;verwerfen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Open Tape</source>
        <translation>&amp;Kassette öffnen</translation>
    </message>
    <message>
        <source>There was no film found with the given criterions.</source>
        <translation>Es wurde kein Film mit den angegebenen Kriterien gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>There were %n films found with the given criterions.</source>
        <translation>
            <numerusform>Es wurde %n Film mit den angegebenen Kriterien gefunden.</numerusform>
            <numerusform>Es wurden %n Filme mit den angegebenen Kriterien gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Searchresult</source>
        <translation>Suchergebnis</translation>
    </message>
</context>
<context>
    <name>windows::SearchResultModel</name>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Kassette</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
</context>
<context>
    <name>windows::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>PDF file written: %1</source>
        <translation>PDF-Datei geschrieben: %1</translation>
    </message>
</context>
<context>
    <name>windows::TapeMapModel</name>
    <message>
        <source>Length: %1 min</source>
        <translation>Länge: %1 Min.</translation>
    </message>
    <message numerus="yes">
        <source>%n film(s)</source>
        <translation>
            <numerusform>%n Film</numerusform>
            <numerusform>%n Filme</numerusform>
        </translation>
    </message>
    <message>
        <source>Over-full by %1 min</source>
        <translation>Um %1 Min. überfüllt</translation>
    </message>
    <message>
        <source>Free: %1 min, or %2 min in long-play</source>
        <translation>Frei: %1 Min., in Longplay %2 Min.</translation>
    </message>
</context>
<context>
    <name>windows::TapeMapView</name>
    <message>
        <source>Counter: %1</source>
        <translation>Zähler: %1</translation>
    </message>
    <message>
        <source>%1 min, long-play</source>
        <translation>%1 Min., Longplay</translation>
    </message>
    <message>
        <source>%1 min, normal play</source>
        <translation>%1 Min., normale Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>windows::TapeMapWindow</name>
    <message>
        <source>Tape Map</source>
        <translation>Bandübersicht</translation>
    </message>
    <message>
        <source>&amp;Name contains:</source>
        <translation>&amp;Name enthält:</translation>
    </message>
    <message>
        <source>Tape map</source>
        <translation>Bandübersicht</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Long-play film</source>
        <translation>Longplay-Film</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Over-full</source>
        <translation>Überfüllt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Tapes shown: %1</source>
        <translation>Angezeigte &amp;Kassetten: %1</translation>
    </message>
</context>
<context>
    <name>windows::TellicoTransfer</name>
    <message>
        <source>Tellico files (*.tc *.xml);;All files (*)</source>
        <translation>Tellico-Dateien (*.tc *.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Tellico</source>
        <translation>Tellico exportieren</translation>
    </message>
    <message>
        <source>Import Tellico</source>
        <translation>Tellico importieren</translation>
    </message>
    <message>
        <source>Video cassettes</source>
        <translation>Videokassetten</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written (%2).</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read (%2).</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Writing the Tellico file...</source>
        <translation>Die Tellico-Datei wird geschrieben...</translation>
    </message>
    <message>
        <source>Reading the Tellico file...</source>
        <translation>Die Tellico-Datei wird gelesen...</translation>
    </message>
    <message>
        <source>Adding the films...</source>
        <translation>Die Filme werden hinzugefügt...</translation>
    </message>
</context>
<context>
    <name>windows::UndoActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederholen</translation>
    </message>
</context>
<context>
    <name>windows::WebPageExport</name>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation>Webseiten (*.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save as Web Page</source>
        <translation>Als Webseite speichern</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written (%2).</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Saving failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Writing the web page...</source>
        <translation>Die Webseite wird geschrieben...</translation>
    </message>
</context>
</TS>
