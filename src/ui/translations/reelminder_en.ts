<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A catalogue of recorded video cassettes and the films on them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the archive &lt;file&gt; instead of the usual one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the program in English (en) or German (de), for this run only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the whole catalogue to the CSV file &lt;file&gt; (- for standard output) and ends, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive to open, as with --archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[file]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;: use en or de.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one archive can be opened: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive&apos;s name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the archive %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file&apos;s name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name %1 holds bytes that are no valid text, so that the file cannot be named exactly; rename it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export and import cannot be done in one run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the cassettes and films of the CSV file &lt;file&gt; to the archive, tells what it added and skipped, and ends, without a window: with status 0 when it took every row, 3 when it skipped some, 1 when it added nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the backups kept of the archive, newest first: number, time, cassettes and films, and &quot;damaged&quot; where one fails its check; ends with status 0, or 1 when they cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the archive the backup &lt;number&gt; of --list-backups, the archive as it stands kept as a new backup first, and ends: with status 0 when restored, 1 when not (a damaged backup, or the archive open in another reelMINDER/32).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup&apos;s number must be a whole number from 1 on: %1.</source>
        <translation></translation>
    </message>
    <message>
        <source>Writes the whole catalogue as one web page with a search field to the file &lt;file&gt; (- for standard output) and ends, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web page&apos;s name is empty.</source>
        <translation></translation>
    </message>
    <message>
        <source>Writes the whole catalogue to the Tellico file &lt;file&gt; (- for standard output) and ends, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the cassettes and films of the Tellico file &lt;file&gt; to the archive as --import-csv does, with the same status; films the file puts on no cassette go to one named after its collection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tellico file&apos;s name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one export, import or backup command can be done in one run.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>There is no archive &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the archive &quot;%1&quot; is not correct; a film could be missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file cannot be written to standard output (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video cassettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tellico file &quot;%1&quot; cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web page cannot be written to standard output (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web page &quot;%1&quot; cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>Cassette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cassette length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long-play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black/white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>The file holds no rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a character that the archive cannot store: &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters (a line break counts as two).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; only 0 and 1 are allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row has %1 fields; the first row has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row of the file is not the header row of a catalogue exported as CSV: no comma, semicolon or tab separates its columns. The columns expected are: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row of the file is not the header row of a catalogue exported as CSV: separated by %1, it names no column &quot;%2&quot;. The columns expected are: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the control character U+%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row holds the byte 0x%1, which is not valid UTF-8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the byte 0x%2, which is not valid UTF-8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quoted field opened on line %1 is never closed: the file from line %1 on was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year &quot;%1&quot; is not a number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length &quot;%1&quot; is not a number from 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns %1 and %2 of the first row both name the column &quot;%3&quot;; each column may be named only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds 0x%2, which is not valid %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row holds 0x%1, which is not valid %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row holds no value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cassette length &quot;%1&quot; is not a number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::AboutDialog</name>
    <message>
        <source>Info about reelMINDER/32 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for Windows 95</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::ArchiveSession</name>
    <message>
        <source>The Archive could not be saved. The Archivefile (ReelMinder-Archiv.RMA) or the volume is probably write-protected.<byte value="xd"/><byte value="xd"/>Do you want to try to save it again?<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving of Archive failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::BackupCommand</name>
    <message>
        <source>The backups of the archive &quot;%1&quot; in %2 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backups of the archive &quot;%1&quot; are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cassette(s)</source>
        <translation>
            <numerusform>%n cassette</numerusform>
            <numerusform>%n cassettes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n film(s)</source>
        <translation>
            <numerusform>%n film</numerusform>
            <numerusform>%n films</numerusform>
        </translation>
    </message>
    <message>
        <source>damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is open in reelMINDER/32; nothing was restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be locked. A second reelMINDER/32 on the same archive could overwrite the restored backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last save of the archive &quot;%1&quot; was interrupted; start reelMINDER/32 to restore the copy kept from before it. Nothing was restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; has no backup %2; --list-backups lists those kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup %1 was not restored; the archive &quot;%2&quot; is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; now holds the backup of %2; the archive as it stood was kept as a new backup.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::ImportCommand</name>
    <message>
        <source>The archive &quot;%1&quot; is already open in reelMINDER/32; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last save of the archive &quot;%1&quot; was interrupted; start reelMINDER/32 to restore the copy kept from before it. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was added; the archive is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be saved (%2); it is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cassette(s) created.</source>
        <translation>
            <numerusform>%n cassette created.</numerusform>
            <numerusform>%n cassettes created.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n film(s) added.</source>
        <translation>
            <numerusform>%n film added.</numerusform>
            <numerusform>%n films added.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped:</source>
        <translation>
            <numerusform>%n row skipped:</numerusform>
            <numerusform>%n rows skipped:</numerusform>
        </translation>
    </message>
    <message>
        <source>  line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be locked. A second reelMINDER/32 on the same archive could overwrite the changes made by this import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Note: the cassette &quot;%1&quot; is over-full by %n minute(s), as the archive allows.</source>
        <translation>
            <numerusform>Note: the cassette &quot;%1&quot; is over-full by %n minute, as the archive allows.</numerusform>
            <numerusform>Note: the cassette &quot;%1&quot; is over-full by %n minutes, as the archive allows.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tellico</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n film(s) without a cassette put on the cassette &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n film without a cassette put on the cassette &quot;%1&quot;.</numerusform>
            <numerusform>%n films without a cassette put on the cassette &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>catalogue::ArchiveFiles</name>
    <message>
        <source>The file is the archive of reelMINDER/32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is the backup of the archive of reelMINDER/32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is the lock file of the archive of reelMINDER/32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is a copy of an archive that reelMINDER/32 keeps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>catalogue::FileSystem</name>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB; no catalogue is that large.</source>
        <translation>
            <numerusform>The file is larger than %n MB; no catalogue is that large.</numerusform>
            <numerusform>The file is larger than %n MB; no catalogue is that large.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>catalogue::Generations</name>
    <message>
        <source>its description cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its records are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its size is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup is damaged (%1) and cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its checksum is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its counts are wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive cannot be read (%1), so it cannot be kept first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive as it stands cannot be kept as a backup first (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive cannot be saved (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive was saved, but no backup of it could be kept in %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>catalogue::SystemError</name>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>controls::FilmFields</name>
    <message>
        <source>&amp;Filmname:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Productionyear:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prod&amp;uced in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produced &amp;in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Di&amp;rector:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Director:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actors:</source>
        <comment>film window</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actors:</source>
        <comment>search</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Story:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sto&amp;ry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longpla&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Black/White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black/&amp;White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;een</source>
        <comment>film window</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;een</source>
        <comment>search</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dele&amp;table</source>
        <comment>film window</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dele&amp;table</source>
        <comment>search</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange::HtmlPage</name>
    <message>
        <source>Videotape catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search films</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title, person, genre or year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page needs JavaScript to show the catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tape(s)</source>
        <translation>
            <numerusform>%n tape</numerusform>
            <numerusform>%n tapes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n film(s)</source>
        <translation>
            <numerusform>%n film</numerusform>
            <numerusform>%n films</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n film(s) shown</source>
        <translation>
            <numerusform>%1 of %n film shown</numerusform>
            <numerusform>%1 of %n films shown</numerusform>
        </translation>
    </message>
    <message>
        <source>Length: %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left: %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over-full by %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No films on this tape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No film matches the search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actors: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>long-play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black and white</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange::LabelDocument</name>
    <message>
        <source>Spine labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… and %n more film(s)</source>
        <translation>
            <numerusform>… and %n more film</numerusform>
            <numerusform>… and %n more films</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (past end)</source>
        <comment>a face label&apos;s film title, the film running past the end of the tape</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange::LabelSheets</name>
    <message>
        <source>A4, VHS spine labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4, VHS face labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4, labels 3 x 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter, VHS spine labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter, labels 2 x 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter, labels 3 x 10</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange::SheetDocument</name>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length: %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining time: %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(continued)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No films on this tape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue holds no tapes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cassette sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange::SheetPainter</name>
    <message>
        <source>The PDF document could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange::StatisticsTexts</name>
    <message>
        <source>%1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (on &quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free in normal mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free in long-play mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films per tape, on average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most films on one tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long-play films</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black-and-white films</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films to be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a decade, such as the 1950s</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over-full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films per genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films per decade of production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapes by how full they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0–25 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25–50 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50–75 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75–100 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange::TellicoImport</name>
    <message>
        <source>The file is no Tellico file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is no Tellico file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tellico file holds a collection of another kind (type %1), not of videos: only a video collection can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tellico file holds no collection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the control character U+%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a character that the archive cannot store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry has no running time: a film needs its length to take its place on the tape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry holds neither a film nor a cassette.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tellico file is damaged at line %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange::Zip</name>
    <message>
        <source>The zip archive is damaged or of a kind that cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zip archive holds no file &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::ErrorGuard</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::HelpViewer</name>
    <message>
        <source>reelMINDER/32 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no help on this topic.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::SettingsStore</name>
    <message>
        <source>Could not set data for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::BackupsWindow</name>
    <message>
        <source>added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Saved versions of the archive, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape / film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 min, %n film(s)</source>
        <translation>
            <numerusform>%1 min, %n film</numerusform>
            <numerusform>%1 min, %n films</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Differences: no backup chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Differences: this backup cannot be restored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Differences: nothing differs from the catalogue now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Differences that restoring would make: %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tape(s)</source>
        <translation>
            <numerusform>%n tape</numerusform>
            <numerusform>%n tapes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n film(s)</source>
        <translation>
            <numerusform>%n film</numerusform>
            <numerusform>%n films</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace the catalogue with the backup of %1?
Ctrl+Z takes it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::CassetteDialog</name>
    <message>
        <source>Create new Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tapename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape&amp;length (in min.):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tapename!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name for the Tape!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Tapelength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapename already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a Tape with the given name. Please enter another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have entered an invalid value for the Tapelength. You must enter a value between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::CassetteListModel</name>
    <message>
        <source>Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. of films</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::CatalogueCommand</name>
    <message>
        <source>create cassette &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename cassette &quot;%1&quot; to &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change length of cassette &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edit cassette &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete cassette &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add film &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insert film &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edit film &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete film &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import of &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore backup of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::CsvTransfer</name>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the CSV file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the CSV file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding the films...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::DocumentOutput</name>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written:<byte value="xd"/><byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving as PDF failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laying out the pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the PDF file...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::DocumentPreview</name>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page set&amp;up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;age:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print preview – %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::DuplicatesModel</name>
    <message numerus="yes">
        <source>%n recording(s)</source>
        <translation>
            <numerusform>%n recording</numerusform>
            <numerusform>%n recordings</numerusform>
        </translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long-play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::DuplicatesWindow</name>
    <message>
        <source>Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>&amp;Films recorded more than once: %n group(s)</source>
        <translation>
            <numerusform>&amp;Films recorded more than once: %n group</numerusform>
            <numerusform>&amp;Films recorded more than once: %n groups</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>windows::FilmWindow</name>
    <message>
        <source>&amp;Counterrange:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearnumber is 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The given year is invalid. Please enter a value higher than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filmlength is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The given Filmlength is invalid. Please enter a value between 0 and the maximum tapelength.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Film is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Film is too long to have space on the Tape. If you have recorded the Film in longplay, please check the &quot;Longplay&quot;-Checkbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete this film?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting of a Film</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::FindSpaceModel</name>
    <message>
        <source>Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free (min.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left after (min.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free (LP min.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left after (LP min.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::FindSpaceWindow</name>
    <message>
        <source>Find Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Length of the recording:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longpla&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the length of the recording in minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tape has room for a recording of this length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n &amp;tape(s) with room for it:</source>
        <translation>
            <numerusform>%n &amp;tape with room for it:</numerusform>
            <numerusform>%n &amp;tapes with room for it:</numerusform>
        </translation>
    </message>
    <message>
        <source>No tape is that long: lengths go up to %1 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::GenreNames</name>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adventure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabaret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Culture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disastermovie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erotic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Science-Fiction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sitcom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theatre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thriller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warfilm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costume film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::ImportSummaryDialog</name>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New cassettes: %1. Films to add: %2. Skipped rows: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What will be added:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cassette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Films</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cassette is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skipped rows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>over-full by %n min.</source>
        <translation>
            <numerusform>over-full by %n min.</numerusform>
            <numerusform>over-full by %n min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cassette(s) will be over-full, as the archive allows: see the notes above.</source>
        <translation>
            <numerusform>%n cassette will be over-full, as the archive allows: see the notes above.</numerusform>
            <numerusform>%n cassettes will be over-full, as the archive allows: see the notes above.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Tellico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Tellico: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New cassettes: %1. Films to add: %2. Skipped entries: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n film(s) of the file are on no cassette; put them on the c&amp;assette:</source>
        <translation>
            <numerusform>%n film of the file is on no cassette; put it on the c&amp;assette:</numerusform>
            <numerusform>%n films of the file are on no cassette; put them on the c&amp;assette:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Skipped entries:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::LabelDialog</name>
    <message>
        <source>Print Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the tic&amp;ked tapes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spi&amp;ne labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Face labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at la&amp;bel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the &amp;edges of the labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All tapes (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1 on the first sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The labels do not fit on the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tape chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n label(s)</source>
        <translation>
            <numerusform>%n label</numerusform>
            <numerusform>%n labels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>on %n sheet(s)</source>
        <translation>
            <numerusform>on %n sheet</numerusform>
            <numerusform>on %n sheets</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF file written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::LabelSheetEditor</name>
    <message>
        <source>Label sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pape&amp;r:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Col&amp;umns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hori&amp;zontal gap:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vertical gap:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My own sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::MainWindow</name>
    <message>
        <source>&amp;Videotapes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info about reelMINDER/32</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Tape(s)</source>
        <translation>
            <numerusform>%n Tape</numerusform>
            <numerusform>%n Tapes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Film(s)</source>
        <translation>
            <numerusform>%n Film</numerusform>
            <numerusform>%n Films</numerusform>
        </translation>
    </message>
    <message>
        <source>No tape selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select first the tape that you want to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select first the tape, that you want to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select first the tape that you want to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want do delete the Videotape &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting of a Videotape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to exit reelMINDER/32?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit reelMINDER/32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print cassette sheet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print catalo&amp;gue list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cassette sheet as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue &amp;list as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select first the tape that you want to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select first the tape that you want to save as PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;space...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape &amp;map...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dupli&amp;cates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print la&amp;bels...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;Web Page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page written: %1</source>
        <translation></translation>
    </message>
    <message>
        <source>E&amp;xport Tellico...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Tellic&amp;o...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tellico file written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bac&amp;kups...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::SearchDialog</name>
    <message>
        <source>Search a film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searchcriterions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard Searc&amp;hresult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was no film found with the given criterions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>There were %n films found with the given criterions.</source>
        <translation>
            <numerusform>There was %n film found with the given criterions.</numerusform>
            <numerusform>There were %n films found with the given criterions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Searchresult</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::SearchResultModel</name>
    <message>
        <source>Film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::TapeMapModel</name>
    <message>
        <source>Length: %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n film(s)</source>
        <translation>
            <numerusform>%n film</numerusform>
            <numerusform>%n films</numerusform>
        </translation>
    </message>
    <message>
        <source>Over-full by %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free: %1 min, or %2 min in long-play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::TapeMapView</name>
    <message>
        <source>Counter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min, long-play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min, normal play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::TapeMapWindow</name>
    <message>
        <source>Tape Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name contains:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long-play film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over-full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tapes shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::TellicoTransfer</name>
    <message>
        <source>Tellico files (*.tc *.xml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Tellico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Tellico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video cassettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the Tellico file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the Tellico file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding the films...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::UndoActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>windows::WebPageExport</name>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the web page...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
