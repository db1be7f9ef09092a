<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>About Kelvora</source>
        <translation>Über Kelvora</translation>
    </message>
    <message>
        <source>Kelvora, Version 1.0</source>
        <translation>Kelvora, Version 1.0</translation>
    </message>
    <message>
        <source>Contact us if any questions:</source>
        <translation>Bei Fragen wenden Sie sich an uns:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Adding</name>
    <message>
        <source>1 file was not added because its name is not valid UTF-8:</source>
        <translation>1 Datei wurde nicht hinzugefügt, weil ihr Name kein gültiges UTF-8 ist:</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added because their names are not valid UTF-8:</source>
        <translation>
            <numerusform>%n Datei wurde nicht hinzugefügt, weil ihr Name kein gültiges UTF-8 ist:</numerusform>
            <numerusform>%n Dateien wurden nicht hinzugefügt, weil ihre Namen kein gültiges UTF-8 sind:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 and %n more</source>
        <translation>
            <numerusform>%1: %2 und %n weitere</numerusform>
            <numerusform>%1: %2 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file with another extension</source>
        <translation>1 Datei mit anderer Endung</translation>
    </message>
    <message numerus="yes">
        <source>%n files with other extensions</source>
        <translation>
            <numerusform>%n Datei mit anderer Endung</numerusform>
            <numerusform>%n Dateien mit anderen Endungen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file already listed</source>
        <translation>1 Datei bereits in der Liste</translation>
    </message>
    <message numerus="yes">
        <source>%n files already listed</source>
        <translation>
            <numerusform>%n Datei bereits in der Liste</numerusform>
            <numerusform>%n Dateien bereits in der Liste</numerusform>
        </translation>
    </message>
    <message>
        <source>1 name that is not valid UTF-8</source>
        <translation>1 Name, der kein gültiges UTF-8 ist</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8</source>
        <translation>
            <numerusform>%n Name, der kein gültiges UTF-8 ist</numerusform>
            <numerusform>%n Namen, die kein gültiges UTF-8 sind</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file or folder that cannot be read</source>
        <translation>1 nicht lesbares Element (Datei oder Ordner)</translation>
    </message>
    <message numerus="yes">
        <source>%n files or folders that cannot be read</source>
        <translation>
            <numerusform>%n nicht lesbares Element (Datei oder Ordner)</numerusform>
            <numerusform>%n nicht lesbare Elemente (Dateien oder Ordner)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n media files added!</source>
        <translation>
            <numerusform>%n Mediendatei hinzugefügt!</numerusform>
            <numerusform>%n Mediendateien hinzugefügt!</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item was not added: %1</source>
        <translation>1 Element wurde nicht hinzugefügt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items were not added: %1</source>
        <translation>
            <numerusform>%n Element wurde nicht hinzugefügt: %1</numerusform>
            <numerusform>%n Elemente wurden nicht hinzugefügt: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a web address (%1)</source>
        <translation>eine Webadresse (%1)</translation>
    </message>
    <message>
        <source>a remote file (%1)</source>
        <translation>eine entfernte Datei (%1)</translation>
    </message>
    <message>
        <source>a file that no longer exists (%1)</source>
        <translation>eine nicht mehr vorhandene Datei (%1)</translation>
    </message>
    <message>
        <source>All files(*.*) (*)</source>
        <translation>Alle Dateien (*.*) (*)</translation>
    </message>
    <message>
        <source>All media files (%1)</source>
        <translation>Alle Mediendateien (%1)</translation>
    </message>
    <message>
        <source>Mpeg-4 Video(*.mp4) (*.mp4)</source>
        <translation>MPEG-4-Video (*.mp4) (*.mp4)</translation>
    </message>
    <message>
        <source>DVD Video(*.vob) (*.vob)</source>
        <translation>DVD-Video (*.vob) (*.vob)</translation>
    </message>
    <message>
        <source>Windows Media Audio(*.wma) (*.wma)</source>
        <translation>Windows Media Audio (*.wma) (*.wma)</translation>
    </message>
    <message>
        <source>Windows Media Video(*.wmv) (*.wmv)</source>
        <translation>Windows Media Video (*.wmv) (*.wmv)</translation>
    </message>
    <message>
        <source>Flash Video(*.flv) (*.flv)</source>
        <translation>Flash-Video (*.flv) (*.flv)</translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3) (*.mp3)</source>
        <translation>MP3-Dateien (*.mp3) (*.mp3)</translation>
    </message>
    <message>
        <source>Audio Video Interleave Files(*.avi) (*.avi)</source>
        <translation>Audio-Video-Interleave-Dateien (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding Files(*.aac) (*.aac)</source>
        <translation>Advanced-Audio-Coding-Dateien (*.aac) (*.aac)</translation>
    </message>
    <message>
        <source>Advanced System Format Files(*.asf) (*.asf)</source>
        <translation>Advanced-Systems-Format-Dateien (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>AC3 Audio Files(*.ac3) (*.ac3)</source>
        <translation>AC3-Audiodateien (*.ac3) (*.ac3)</translation>
    </message>
    <message>
        <source>VCD Files(*.dat) (*.dat)</source>
        <translation>VCD-Dateien (*.dat) (*.dat)</translation>
    </message>
    <message>
        <source>Video Transport Stream(*.ts) (*.ts)</source>
        <translation>Video-Transportstrom (*.ts) (*.ts)</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Adding media files...</source>
        <translation>Mediendateien werden hinzugefügt …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Adding media files... %1 of %2</source>
        <translation>Mediendateien werden hinzugefügt … %1 von %2</translation>
    </message>
    <message>
        <source>Include sub folders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>1 link to a folder not followed</source>
        <translation>Einer Verknüpfung auf einen Ordner nicht gefolgt</translation>
    </message>
    <message numerus="yes">
        <source>%n links to folders not followed</source>
        <translation>
            <numerusform>%n Verknüpfung auf einen Ordner nicht gefolgt</numerusform>
            <numerusform>%n Verknüpfungen auf Ordner nicht gefolgt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 media file in a sub folder: tick Include sub folders</source>
        <translation>1 Mediendatei in einem Unterordner: Unterordner einbeziehen ankreuzen</translation>
    </message>
    <message numerus="yes">
        <source>%n media files in sub folders: tick Include sub folders</source>
        <translation>
            <numerusform>%n Mediendateien in Unterordnern: Unterordner einbeziehen ankreuzen</numerusform>
            <numerusform>%n Mediendateien in Unterordnern: Unterordner einbeziehen ankreuzen</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a folder to watch</source>
        <translation>Zu überwachenden Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Converting 1 file</source>
        <translation>1 Datei wird konvertiert</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files</source>
        <translation>
            <numerusform>%n Datei wird konvertiert</numerusform>
            <numerusform>%n Dateien werden konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files done</source>
        <translation>
            <numerusform>%1 von %n Datei fertig</numerusform>
            <numerusform>%1 von %n Dateien fertig</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pausiert: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n konvertiert</numerusform>
            <numerusform>%n konvertiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>%n abgebrochen</numerusform>
            <numerusform>%n abgebrochen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message numerus="yes">
        <source>%n partly converted</source>
        <translation>
            <numerusform>%n teilweise konvertiert</numerusform>
            <numerusform>%n teilweise konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>Der Systembus ist nicht erreichbar.</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted</source>
        <translation>
            <numerusform>%n bereits konvertiert</numerusform>
            <numerusform>%n bereits konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not there)</source>
        <translation>%1 (nicht vorhanden)</translation>
    </message>
    <message>
        <source>Watching: %1</source>
        <translation>Überwacht: %1</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Jetzt ausschalten</translation>
    </message>
    <message>
        <source>Suspend Now</source>
        <translation>Jetzt in Bereitschaft</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>Die Konvertierung ist beendet. Der Rechner schaltet sich in %n Sekunde aus.</numerusform>
            <numerusform>Die Konvertierung ist beendet. Der Rechner schaltet sich in %n Sekunden aus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer is suspended in %n seconds.</source>
        <translation>
            <numerusform>Die Konvertierung ist beendet. Der Rechner geht in %n Sekunde in Bereitschaft.</numerusform>
            <numerusform>Die Konvertierung ist beendet. Der Rechner geht in %n Sekunden in Bereitschaft.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer could not be powered off: %1</source>
        <translation>Der Rechner konnte nicht ausgeschaltet werden: %1</translation>
    </message>
    <message>
        <source>The computer could not be suspended: %1</source>
        <translation>Der Rechner konnte nicht in Bereitschaft versetzt werden: %1</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>Die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option --output needs a folder</source>
        <translation>Die Option --output braucht einen Ordner</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation>--jobs nimmt eine Zahl von 1 bis 64, nicht „%1“</translation>
    </message>
    <message>
        <source>--size takes 1080p, 720p, 480p or keep, not &apos;%1&apos;</source>
        <translation>--size nimmt 1080p, 720p, 480p oder keep, nicht „%1“</translation>
    </message>
    <message>
        <source>option --from needs a list file, or - for standard input</source>
        <translation>Die Option --from braucht eine Listendatei oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>Unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1: Die Standardausgabe kann nicht geschrieben werden: %2
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
„%1 --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>Die Liste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Not started: the batch was stopped</source>
        <translation>Nicht gestartet: Die Konvertierung wurde gestoppt</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 not converted, in %4</source>
        <translation>%1 Dateien: %2 konvertiert, %3 nicht konvertiert, in %4</translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <translation>; gestoppt durch %1</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 %2%  %3/%4 files done  elapsed %5  left %6</source>
        <translation>%1 %2%  %3/%4 Dateien fertig  vergangen %5  noch %6</translation>
    </message>
    <message>
        <source>%1: cannot install the signal handlers
</source>
        <translation>%1: Die Signalbehandler können nicht eingerichtet werden
</translation>
    </message>
    <message>
        <source>no preset given (--preset ID|NAME; see --list-presets)</source>
        <translation>Kein Profil angegeben (--preset ID|NAME; siehe --list-presets)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are:
%2</source>
        <translation>Unbekanntes Profil „%1“; die Profile sind:
%2</translation>
    </message>
    <message>
        <source>ambiguous preset &apos;%1&apos;; the presets it matches are:
%2</source>
        <translation>Mehrdeutiges Profil „%1“; passende Profile sind:
%2</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be made or written to</source>
        <translation>Der Ausgabeordner %1 kann nicht angelegt oder beschrieben werden</translation>
    </message>
    <message>
        <source>no files to convert</source>
        <translation>Keine Dateien zu konvertieren</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 partly converted, %4 not converted, in %5</source>
        <translation>%1 Dateien: %2 konvertiert, %3 teilweise konvertiert, %4 nicht konvertiert, in %5</translation>
    </message>
    <message>
        <source>option --watch needs a folder</source>
        <translation>Die Option --watch braucht einen Ordner</translation>
    </message>
    <message>
        <source>Usage: kelvora-convert --preset ID|NAME [OPTION]... FILE|FOLDER...
       kelvora-convert --preset ID|NAME [OPTION]... --from LIST
       kelvora-convert --preset ID|NAME [OPTION]... --watch FOLDER [FILE|FOLDER]...
Convert media files with Kelvora&apos;s presets, without a window.

Each file is converted with the same converter command line, output naming and
statuses as in the Kelvora window. A FOLDER adds the media files in it, as Add
Folder does (any letter case; hidden files and folders are passed over); what it
leaves out is named on standard error.

Options:
  -p, --preset ID|NAME  the target format: a preset id, its menu text or its
                        Solution text (case does not matter), or a part of one of
                        them that only one preset has (&quot;wmv&quot;, &quot;ipod - high&quot;)
  -o, --output DIR      the saving folder (default: the current folder); it is
                        made when missing
  -j, --jobs N          convert N files at a time, 1 to 64 (default: one per
                        processor core, at most 8)
      --size SIZE       the largest picture height of the presets that take one:
                        1080p, 720p, 480p or keep (default: keep)
      --from LIST       also convert the paths in the file LIST, one a line
                        (&quot;-&quot; reads standard input); relative paths are taken
                        from the current folder
  -r, --recursive       a FOLDER also gives the media files of its sub folders,
                        each output going to the same relative path below the
                        output folder (folders made as needed)
      --flat            every output goes straight into the output folder
      --skip-existing   a file whose output (same name in its output folder) is
                        there already is not converted again: it is reported
                        &quot;Already Converted&quot;
      --watch FOLDER    watch FOLDER (more than once for more folders; with -r
                        its sub folders too) through the kernel&apos;s file
                        notifications (inotify) and convert each media file
                        that arrives once it is complete: written and closed,
                        or moved in, and its size unchanged for two seconds.
                        Hidden and partial files are never taken; the files
                        there at the start count as arrived, and as with
                        --skip-existing a file whose output is there is not
                        converted again. Runs until SIGTERM or SIGINT
  -0, --null            the lists of --from are separated by NUL characters
                        (as find -print0 writes them), for names with newlines
      --json            print one JSON object a line for each finished file:
                        input, output, status, reason, seconds and, where the
                        converter told it, speed (seconds of media a second);
                        a converted file&apos;s reason names the streams its output
                        could not take (&quot;2 picture subtitle tracks cannot go
                        into MP4&quot;)
      --no-keep-dates   date each output now instead of with its input&apos;s
                        modification time
      --no-inhibit      let the computer suspend when idle during the batch
                        (by default a sleep inhibitor is held while it runs)
      --list-presets    print each preset&apos;s id, group, name and whether the
                        converter can make it, then exit
  -h, --help            print this help, then exit
      --version         print the version, then exit
      --                every argument after it is a file or folder, even one
                        that starts with -

On a terminal a live line shows each running file and a bar the files done, the
time elapsed and the time left; otherwise one line is printed for each finished
file. The summary goes to standard error. Ctrl-C, SIGTERM or SIGHUP (a closed
terminal) stops at once: the running conversions end and leave no partial file.
Ctrl-Z pauses the running conversions with the program, fg resumes them.

Exit status:
  0    every file was converted or already converted
  1    some file was not converted (failed, of unknown format or not started),
       or standard output could not be written
  2    usage error: unknown option or preset, no files, unwritable output folder
  129  stopped by SIGHUP
  130  stopped by SIGINT (Ctrl-C)
  143  stopped by SIGTERM

Examples:
  kelvora-convert --preset wmv --output ~/converted ~/Videos
  kelvora-convert -p 24 -r --skip-existing -o ~/Music/mp3 ~/Music/flac
  kelvora-convert -p 24 -o ~/Converted --watch ~/Incoming
  find /media -name &apos;*.mp4&apos; -print0 | kelvora-convert -p 19 --null --from -
</source>
        <translation>Aufruf: kelvora-convert --preset ID|NAME [OPTION]... DATEI|ORDNER...
        kelvora-convert --preset ID|NAME [OPTION]... --from LISTE
        kelvora-convert --preset ID|NAME [OPTION]... --watch ORDNER [DATEI|ORDNER]...
Konvertiert Mediendateien mit den Profilen von Kelvora, ohne Fenster.

Jede Datei wird mit derselben Befehlszeile für den Konverter, derselben
Benennung der Ausgabe und denselben Status wie im Kelvora-Fenster konvertiert.
Ein ORDNER fügt die Mediendateien darin hinzu wie „Ordner hinzufügen“
(Groß-/Kleinschreibung egal; versteckte Dateien und Ordner werden übergangen);
was dabei ausgelassen wird, steht in der Standardfehlerausgabe.

Optionen:
  -p, --preset ID|NAME  das Zielformat: die Nummer eines Profils, sein Menütext
                        oder sein Text unter „Profil“ (englisch, wie
                        --list-presets sie ausgibt; Groß-/Kleinschreibung egal)
                        oder ein Teil davon, der nur zu einem Profil passt
                        (&quot;wmv&quot;, &quot;ipod - high&quot;)
  -o, --output ORDNER   der Zielordner (Vorgabe: der aktuelle Ordner); er wird
                        angelegt, falls er fehlt
  -j, --jobs N          N Dateien gleichzeitig konvertieren, 1 bis 64 (Vorgabe:
                        eine je Prozessorkern, höchstens 8)
      --size GRÖSSE     die größte Bildhöhe für die Profile, die eine haben:
                        1080p, 720p, 480p oder keep (Vorgabe: keep)
      --from LISTE      auch die Pfade in der Datei LISTE konvertieren, einer je
                        Zeile („-“ liest die Standardeingabe); relative Pfade
                        gelten ab dem aktuellen Ordner
  -r, --recursive       ein ORDNER liefert auch die Mediendateien seiner
                        Unterordner; jede Ausgabe kommt an denselben relativen
                        Pfad unter dem Ausgabeordner (Ordner werden angelegt)
      --flat            jede Ausgabe kommt direkt in den Ausgabeordner
      --skip-existing   eine Datei, deren Ausgabe (gleicher Name in ihrem
                        Ausgabeordner) schon vorhanden ist, wird nicht erneut
                        konvertiert, sondern als „Already Converted“ gemeldet
      --watch ORDNER    ORDNER überwachen (mehrfach für mehrere Ordner; mit -r
                        auch seine Unterordner), über die Dateibenachrichtigungen
                        des Kernels (inotify), und jede eintreffende
                        Mediendatei konvertieren, sobald sie vollständig ist:
                        geschrieben und geschlossen oder hineinverschoben, und
                        ihre Größe zwei Sekunden lang unverändert. Versteckte
                        und unvollständige Dateien werden nie genommen; die
                        beim Start vorhandenen Dateien gelten als eingetroffen,
                        und wie bei --skip-existing wird eine Datei, deren
                        Ausgabe vorhanden ist, nicht erneut konvertiert. Läuft
                        bis SIGTERM oder SIGINT
  -0, --null            die Listen von --from sind durch NUL-Zeichen getrennt
                        (wie find -print0 sie schreibt), für Namen mit
                        Zeilenumbrüchen
      --json            für jede fertige Datei ein JSON-Objekt je Zeile
                        ausgeben: input, output, status, reason, seconds und,
                        wo der Konverter sie meldet, speed (Sekunden Medien je
                        Sekunde)
                        bei einer umgewandelten Datei nennt reason die Spuren,
                        die ihre Ausgabe nicht aufnehmen konnte
      --no-keep-dates   jede Ausgabe mit dem jetzigen Datum versehen statt mit
                        der Änderungszeit ihrer Eingabe
      --no-inhibit      dem Rechner den Ruhezustand bei Leerlauf während der
                        Konvertierung erlauben (standardmäßig wird er
                        verhindert, solange sie läuft)
      --list-presets    Nummer, Gruppe und Namen jedes Profils ausgeben und ob
                        der Konverter es erzeugen kann, dann beenden
  -h, --help            diese Hilfe ausgeben, dann beenden
      --version         die Version ausgeben, dann beenden
      --                jedes folgende Argument ist eine Datei oder ein Ordner,
                        auch wenn es mit - beginnt

Im Terminal zeigt je eine Zeile jede laufende Datei und ein Balken die fertigen
Dateien, die vergangene und die verbleibende Zeit; sonst wird für jede fertige
Datei eine Zeile ausgegeben. Die Zusammenfassung geht an die
Standardfehlerausgabe. Strg+C, SIGTERM oder SIGHUP (ein geschlossenes Terminal)
stoppt sofort: Die laufenden Konvertierungen enden und hinterlassen keine
unvollständige Datei. Strg+Z hält die laufenden Konvertierungen mit dem
Programm an, fg setzt sie fort.

Exit-Status:
  0    jede Datei wurde konvertiert oder war bereits konvertiert
  1    mindestens eine Datei wurde nicht konvertiert (fehlgeschlagen,
       unbekanntes Format oder nicht gestartet), oder die Standardausgabe war
       nicht schreibbar
  2    Aufruffehler: unbekannte Option oder unbekanntes Profil, keine Dateien,
       Ausgabeordner nicht beschreibbar
  129  gestoppt durch SIGHUP
  130  gestoppt durch SIGINT (Strg+C)
  143  gestoppt durch SIGTERM

Beispiele:
  kelvora-convert --preset wmv --output ~/converted ~/Videos
  kelvora-convert -p 24 -r --skip-existing -o ~/Music/mp3 ~/Music/flac
  kelvora-convert -p 24 -o ~/Converted --watch ~/Incoming
  find /media -name &apos;*.mp4&apos; -print0 | kelvora-convert -p 19 --null --from -
</translation>
    </message>
    <message>
        <source>%1: watching %2
</source>
        <translation>%1: %2 wird überwacht
</translation>
    </message>
    <message>
        <source>%1: %2: %3; it is watched again when it is back
</source>
        <translation>%1: %2: %3; er wird wieder überwacht, sobald er zurück ist
</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 already converted, %4 not converted, in %5</source>
        <translation>%1 Dateien: %2 konvertiert, %3 bereits konvertiert, %4 nicht konvertiert, in %5</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be a watched folder</source>
        <translation>Der Ausgabeordner %1 kann kein überwachter Ordner sein</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Media Converter</source>
        <translation>Medienkonverter</translation>
    </message>
    <message>
        <source>Convert audio and video files to another format in one batch</source>
        <translation>Audio- und Videodateien stapelweise in ein anderes Format konvertieren</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es
an Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für diesen Vorgang war nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da die Anforderung zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da andere DDE-Transaktionen
gerade verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL (Dynamic Link Library) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link kann nicht geöffnet werden:

%1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Target Format</source>
        <translation>Zielformat</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Konvertiere …</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>E&amp;xit                  </source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Convertion</source>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Alle konvertieren</translation>
    </message>
    <message>
        <source>Convert Selected Files</source>
        <translation>Auswahl konvertieren</translation>
    </message>
    <message>
        <source>Retry Failed Files</source>
        <translation>Fehlschläge wiederholen</translation>
    </message>
    <message>
        <source>Pause Convertion</source>
        <translation>Konvertierung pausieren</translation>
    </message>
    <message>
        <source>Stop Current Convertion</source>
        <translation>Aktuelle Konvertierung stoppen</translation>
    </message>
    <message>
        <source>Stop All Convertion</source>
        <translation>Alle stoppen</translation>
    </message>
    <message>
        <source>Select Failed Files</source>
        <translation>Fehlschläge auswählen</translation>
    </message>
    <message>
        <source>Simultaneous Conversions</source>
        <translation>Gleichzeitige Konvertierungen</translation>
    </message>
    <message>
        <source>One at a Time</source>
        <translation>Nacheinander</translation>
    </message>
    <message>
        <source>2 at a Time</source>
        <translation>2 gleichzeitig</translation>
    </message>
    <message>
        <source>4 at a Time</source>
        <translation>4 gleichzeitig</translation>
    </message>
    <message>
        <source>As Many as Processor Cores</source>
        <translation>So viele wie Prozessorkerne</translation>
    </message>
    <message>
        <source>Modern Video Size</source>
        <translation>Größe moderner Videos</translation>
    </message>
    <message>
        <source>Keep Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>1080p</source>
        <translation>1080p</translation>
    </message>
    <message>
        <source>720p</source>
        <translation>720p</translation>
    </message>
    <message>
        <source>480p</source>
        <translation>480p</translation>
    </message>
    <message>
        <source>Keep the Computer Awake</source>
        <translation>Ruhezustand verhindern</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help(F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>&amp;About Kelvora     </source>
        <translation>Ü&amp;ber Kelvora</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Add Files          </source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alle ankreuzen</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Alle Dateien entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Convert All Listed Files</source>
        <translation>Alle Dateien konvertieren</translation>
    </message>
    <message>
        <source>Skip Current Convertion</source>
        <translation>Aktuelle überspringen</translation>
    </message>
    <message>
        <source>Cancel This File</source>
        <translation>Diese Datei abbrechen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Keep Original File Dates</source>
        <translation>Ursprüngliche Dateidaten beibehalten</translation>
    </message>
    <message>
        <source>Resume Convertion</source>
        <translation>Konvertierung fortsetzen</translation>
    </message>
    <message>
        <source>Watch Folder...</source>
        <translation>Ordner überwachen …</translation>
    </message>
    <message>
        <source>Stop Watching Folders</source>
        <translation>Ordner nicht mehr überwachen</translation>
    </message>
    <message>
        <source>Convert As They Arrive</source>
        <translation>Beim Eintreffen konvertieren</translation>
    </message>
    <message>
        <source>Make a New Name</source>
        <translation>Neuen Namen bilden</translation>
    </message>
    <message>
        <source>Skip the File</source>
        <translation>Datei überspringen</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Quit Kelvora</source>
        <translation>Kelvora beenden</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Only If All Succeeded</source>
        <translation>Nur wenn alle gelungen sind</translation>
    </message>
    <message>
        <source>When the Output Exists</source>
        <translation>Wenn die Ausgabe existiert</translation>
    </message>
    <message>
        <source>When Done</source>
        <translation>Wenn fertig</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>1 file converted</source>
        <translation>1 Datei konvertiert</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n Datei konvertiert</numerusform>
            <numerusform>%n Dateien konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 failed, %3 canceled</source>
        <translation>%1, %2 fehlgeschlagen, %3 abgebrochen</translation>
    </message>
    <message>
        <source>Kelvora: the batch has ended</source>
        <translation>Kelvora: Alle Konvertierungen sind beendet</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n partly converted</source>
        <translation>
            <numerusform>%1, %n teilweise konvertiert</numerusform>
            <numerusform>%1, %n teilweise konvertiert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>General Video</source>
        <translation>Allgemeines Video</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>wmv file</source>
        <translation>WMV-Datei</translation>
    </message>
    <message>
        <source>Divx Video (*.avi)</source>
        <translation>DivX-Video (*.avi)</translation>
    </message>
    <message>
        <source>AVI - Audio-Video Interleave (*.avi)</source>
        <translation>AVI - Audio-Video Interleave (*.avi)</translation>
    </message>
    <message>
        <source>avi file</source>
        <translation>AVI-Datei</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>asf file</source>
        <translation>ASF-Datei</translation>
    </message>
    <message>
        <source>MPEG1 Movie (*.mpg)</source>
        <translation>MPEG1-Film (*.mpg)</translation>
    </message>
    <message>
        <source>mpg file</source>
        <translation>MPG-Datei</translation>
    </message>
    <message>
        <source>MPEG2 Movie (*.vob)</source>
        <translation>MPEG2-Film (*.vob)</translation>
    </message>
    <message>
        <source>vob file</source>
        <translation>VOB-Datei</translation>
    </message>
    <message>
        <source>MPEG4 Movie (*.mp4)</source>
        <translation>MPEG4-Film (*.mp4)</translation>
    </message>
    <message>
        <source>mp4 file</source>
        <translation>MP4-Datei</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Allgemeines Audio</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>wma file</source>
        <translation>WMA-Datei</translation>
    </message>
    <message>
        <source>Mp3 - Mpeg Audio Layer3 (*.mp3)</source>
        <translation>MP3 - MPEG Audio Layer 3 (*.mp3)</translation>
    </message>
    <message>
        <source>Mp3 Audio (*.mp3)</source>
        <translation>MP3-Audio (*.mp3)</translation>
    </message>
    <message>
        <source>mp3 file</source>
        <translation>MP3-Datei</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>3GPP  (*.3gp)</source>
        <translation>3GPP (*.3gp)</translation>
    </message>
    <message>
        <source>3GP  (*.3gp)</source>
        <translation>3GP (*.3gp)</translation>
    </message>
    <message>
        <source>3gp file</source>
        <translation>3GP-Datei</translation>
    </message>
    <message>
        <source>3GP (*.3gp)</source>
        <translation>3GP (*.3gp)</translation>
    </message>
    <message>
        <source>3GPP2 (*.3g2)</source>
        <translation>3GPP2 (*.3g2)</translation>
    </message>
    <message>
        <source>3g2 file</source>
        <translation>3G2-Datei</translation>
    </message>
    <message>
        <source>BlackBerry 3GP (*.3gp)</source>
        <translation>BlackBerry 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>BlackBerry 3GP file</source>
        <translation>BlackBerry-3GP-Datei</translation>
    </message>
    <message>
        <source>Apple iPod</source>
        <translation>Apple iPod</translation>
    </message>
    <message>
        <source>iPod - High Quarlity (*.mp4)</source>
        <translation>iPod - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - High Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Normal Quarlity (*.mp4)</source>
        <translation>iPod - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Low Quarlity (*.mp4)</source>
        <translation>iPod - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>Apple iPhone</source>
        <translation>Apple iPhone</translation>
    </message>
    <message>
        <source>iPhone - High Quarlity (*.mp4)</source>
        <translation>iPhone - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - High Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Normal Quarlity (*.mp4)</source>
        <translation>iPhone - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Low Quarlity (*.mp4)</source>
        <translation>iPhone - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>Sony PSP/PS3</source>
        <translation>Sony PSP/PS3</translation>
    </message>
    <message>
        <source>PSP - High Quarlity (*.mp4)</source>
        <translation>PSP - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - High Quarlity (*.mp4)</source>
        <translation>SONY PSP - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Normal Quarlity (*.mp4)</source>
        <translation>PSP - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Normal Quarlity (*.mp4)</source>
        <translation>SONY PSP - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Low Quarlity (*.mp4)</source>
        <translation>PSP - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Low Quarlity (*.mp4)</source>
        <translation>SONY PSP - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - High Quarlity (*.mp4)</source>
        <translation>PS3 - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - High Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Normal Quarlity (*.mp4)</source>
        <translation>PS3 - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Normal Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Low Quarlity (*.mp4)</source>
        <translation>PS3 - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Low Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>DV - Digital Video (*.dv)</source>
        <translation>DV - Digital Video (*.dv)</translation>
    </message>
    <message>
        <source>dv file</source>
        <translation>DV-Datei</translation>
    </message>
    <message>
        <source>Modern Video</source>
        <translation>Modernes Video</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Hohe Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Normale Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Niedrige Qualität (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - High Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Hohe Qualität (*.webm)</translation>
    </message>
    <message>
        <source>webm file</source>
        <translation>WebM-Datei</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Normal Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Normale Qualität (*.webm)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Low Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Niedrige Qualität (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - High Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Hohe Qualität (*.mkv)</translation>
    </message>
    <message>
        <source>mkv file</source>
        <translation>MKV-Datei</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Normal Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Normale Qualität (*.mkv)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Low Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Niedrige Qualität (*.mkv)</translation>
    </message>
    <message>
        <source>Same Quality</source>
        <translation>Gleiche Qualität</translation>
    </message>
    <message>
        <source>MKV - Keep Streams, No Re-encoding (*.mkv)</source>
        <translation>MKV - Datenströme behalten, ohne Neukodierung (*.mkv)</translation>
    </message>
    <message>
        <source>MP4 - Keep Streams, No Re-encoding (*.mp4)</source>
        <translation>MP4 - Datenströme behalten, ohne Neukodierung (*.mp4)</translation>
    </message>
    <message>
        <source>Modern Audio</source>
        <translation>Modernes Audio</translation>
    </message>
    <message>
        <source>M4A - AAC (*.m4a)</source>
        <translation>M4A - AAC (*.m4a)</translation>
    </message>
    <message>
        <source>m4a file</source>
        <translation>M4A-Datei</translation>
    </message>
    <message>
        <source>Opus (*.opus)</source>
        <translation>Opus (*.opus)</translation>
    </message>
    <message>
        <source>opus file</source>
        <translation>Opus-Datei</translation>
    </message>
    <message>
        <source>FLAC - Lossless (*.flac)</source>
        <translation>FLAC - Verlustfrei (*.flac)</translation>
    </message>
    <message>
        <source>flac file</source>
        <translation>FLAC-Datei</translation>
    </message>
    <message>
        <source>MP3 - High Quality VBR (*.mp3)</source>
        <translation>MP3 - Hohe Qualität VBR (*.mp3)</translation>
    </message>
    <message>
        <source>WAV - Uncompressed (*.wav)</source>
        <translation>WAV - Unkomprimiert (*.wav)</translation>
    </message>
    <message>
        <source>wav file</source>
        <translation>WAV-Datei</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Media Information</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Video Information</source>
        <translation>Videoinformationen</translation>
    </message>
    <message>
        <source>Audio Information</source>
        <translation>Audioinformationen</translation>
    </message>
    <message>
        <source>Media Duration</source>
        <translation>Spieldauer</translation>
    </message>
    <message>
        <source>Media Bitrate</source>
        <translation>Gesamtbitrate</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>Videoformat</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Videoauflösung</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Audio Format</source>
        <translation>Audioformat</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Attached file</source>
        <translation>Angehängte Datei</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
        </translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>erzwungen</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Streams</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>No saving folder is chosen</source>
        <translation>Kein Zielordner gewählt</translation>
    </message>
    <message>
        <source>%1: the saving folder is not an absolute path</source>
        <translation>%1: Der Zielordner ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>%1: no free temporary name</source>
        <translation>%1: Kein freier temporärer Name</translation>
    </message>
    <message>
        <source>%1: the saving folder cannot be created</source>
        <translation>%1: Der Zielordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The converter wrote no output file</source>
        <translation>Der Konverter hat keine Ausgabedatei geschrieben</translation>
    </message>
    <message>
        <source>The converter wrote an empty output file</source>
        <translation>Der Konverter hat eine leere Ausgabedatei geschrieben</translation>
    </message>
    <message>
        <source>The converter&apos;s output cannot be read as media</source>
        <translation>Die Ausgabe des Konverters ist als Medium nicht lesbar</translation>
    </message>
    <message>
        <source>The converter&apos;s output holds no audio or video</source>
        <translation>Die Ausgabe des Konverters enthält weder Audio noch Video</translation>
    </message>
    <message>
        <source>The converter has no %1 encoder.</source>
        <translation>Der Konverter hat keinen %1-Encoder.</translation>
    </message>
    <message>
        <source>The converter has neither the %1 nor the %2 encoder.</source>
        <translation>Der Konverter hat weder den %1- noch den %2-Encoder.</translation>
    </message>
    <message>
        <source>The converter did not list its encoders.</source>
        <translation>Der Konverter hat seine Encoder nicht aufgelistet.</translation>
    </message>
    <message>
        <source>The file holds a stream that cannot be decoded</source>
        <translation>Die Datei enthält einen Datenstrom, der nicht dekodiert werden kann</translation>
    </message>
    <message>
        <source>The file&apos;s audio codec (%1) cannot be decoded</source>
        <translation>Der Audio-Codec der Datei (%1) kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be decoded</source>
        <translation>Der Video-Codec der Datei (%1) kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>The file&apos;s codec %1 cannot be decoded</source>
        <translation>Der Codec %1 der Datei kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The disk quota is used up</source>
        <translation>Das Speicherkontingent ist erschöpft</translation>
    </message>
    <message>
        <source>The output is too large for the saving folder&apos;s file system</source>
        <translation>Die Ausgabe ist zu groß für das Dateisystem des Zielordners</translation>
    </message>
    <message>
        <source>The saving folder is on a read-only disk</source>
        <translation>Der Zielordner liegt auf einem schreibgeschützten Datenträger</translation>
    </message>
    <message>
        <source>The disk cannot be read or written (input/output error)</source>
        <translation>Der Datenträger kann nicht gelesen oder beschrieben werden (Ein-/Ausgabefehler)</translation>
    </message>
    <message>
        <source>The converter ran out of memory</source>
        <translation>Dem Konverter ging der Speicher aus</translation>
    </message>
    <message>
        <source>The file is damaged at %1</source>
        <translation>Die Datei ist bei %1 beschädigt</translation>
    </message>
    <message>
        <source>The file is damaged</source>
        <translation>Die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>The converter crashed (segmentation fault)</source>
        <translation>Der Konverter ist abgestürzt (Speicherzugriffsfehler)</translation>
    </message>
    <message>
        <source>The converter crashed (bus error)</source>
        <translation>Der Konverter ist abgestürzt (Busfehler)</translation>
    </message>
    <message>
        <source>The converter crashed (illegal instruction)</source>
        <translation>Der Konverter ist abgestürzt (ungültiger Befehl)</translation>
    </message>
    <message>
        <source>The converter crashed (arithmetic fault)</source>
        <translation>Der Konverter ist abgestürzt (Rechenfehler)</translation>
    </message>
    <message>
        <source>The converter crashed (aborted)</source>
        <translation>Der Konverter ist abgestürzt (abgebrochen)</translation>
    </message>
    <message>
        <source>The converter was killed (%1)</source>
        <translation>Der Konverter wurde zwangsweise beendet (%1)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>Signal %1</translation>
    </message>
    <message>
        <source>The encoder for %1 is not installed</source>
        <translation>Der Encoder für %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>The encoder cannot make this file with the preset&apos;s settings</source>
        <translation>Der Encoder kann diese Datei mit den Einstellungen des Profils nicht erzeugen</translation>
    </message>
    <message>
        <source>The file holds no audio or video stream</source>
        <translation>Die Datei enthält keinen Audio- oder Videodatenstrom</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be converted</source>
        <translation>Der Video-Codec der Datei (%1) kann nicht konvertiert werden</translation>
    </message>
    <message>
        <source>The file&apos;s streams cannot be read</source>
        <translation>Die Datenströme der Datei können nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>The file cannot be read (%1)</source>
        <translation>Die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>Not a media file, or damaged</source>
        <translation>Keine Mediendatei oder beschädigt</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8</source>
        <translation>Der Name ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>The encoder refused these settings: %1</source>
        <translation>Der Encoder hat diese Einstellungen abgelehnt: %1</translation>
    </message>
    <message>
        <source>The converter went on running after closing its output</source>
        <translation>Der Konverter lief nach dem Schließen seiner Ausgabe weiter</translation>
    </message>
    <message>
        <source>The converter stopped with exit status %1</source>
        <translation>Der Konverter endete mit dem Exit-Status %1</translation>
    </message>
    <message>
        <source>A picture subtitle track cannot go into %1</source>
        <translation>Eine Bild-Untertitelspur passt nicht in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n Bild-Untertitelspur passt nicht in %1</numerusform>
            <numerusform>%n Bild-Untertitelspuren passen nicht in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A subtitle track cannot go into %1</source>
        <translation>Eine Untertitelspur passt nicht in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n Untertitelspur passt nicht in %1</numerusform>
            <numerusform>%n Untertitelspuren passen nicht in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>An attached file cannot go into %1</source>
        <translation>Eine angehängte Datei passt nicht in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attached files cannot go into %1</source>
        <translation>
            <numerusform>%n angehängte Datei passt nicht in %1</numerusform>
            <numerusform>%n angehängte Dateien passen nicht in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>HDR is written without tone mapping: the converter has no zscale filter</source>
        <translation>HDR wird ohne Tone-Mapping geschrieben: dem Konverter fehlt der Filter zscale</translation>
    </message>
    <message>
        <source>the input file ends early</source>
        <translation>die Eingabedatei endet vorzeitig</translation>
    </message>
    <message>
        <source>Partly converted: %1</source>
        <translation>Teilweise konvertiert: %1</translation>
    </message>
    <message>
        <source>Converted %1 of %2: %3</source>
        <translation>%1 von %2 konvertiert: %3</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made: %2</source>
        <translation>%1: Der Ordner kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list?</source>
        <translation>Kelvora wurde nicht ordnungsgemäß beendet. 1 Datei der letzten Liste wiederherstellen?</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list?</source>
        <translation>
            <numerusform>Kelvora wurde nicht ordnungsgemäß beendet. %n Datei der letzten Liste wiederherstellen?</numerusform>
            <numerusform>Kelvora wurde nicht ordnungsgemäß beendet. Die %n Dateien der letzten Liste wiederherstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>These files no longer exist and were left out of the list:</source>
        <translation>Diese Dateien existieren nicht mehr und wurden nicht in die Liste übernommen:</translation>
    </message>
    <message>
        <source>kelvora: the session file %1 cannot be read; it was moved to %2</source>
        <translation>kelvora: Die Sitzungsdatei %1 kann nicht gelesen werden; sie wurde nach %2 verschoben</translation>
    </message>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list? It was still to be converted; if it was cut short, it starts over.</source>
        <translation>Kelvora wurde nicht ordnungsgemäß beendet. Die 1 Datei der letzten Liste wiederherstellen? Sie war noch zu konvertieren; wurde sie unterbrochen, beginnt sie von vorn.</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list? %1 of them were still to be converted; files cut short start over.</source>
        <translation>
            <numerusform>Kelvora wurde nicht ordnungsgemäß beendet. Die %n Dateien der letzten Liste wiederherstellen? %1 davon waren noch zu konvertieren; unterbrochene Dateien beginnen von vorn.</numerusform>
            <numerusform>Kelvora wurde nicht ordnungsgemäß beendet. Die %n Dateien der letzten Liste wiederherstellen? %1 davon waren noch zu konvertieren; unterbrochene Dateien beginnen von vorn.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore and &amp;Go On Converting</source>
        <translation>Wiederherstellen und &amp;weiter konvertieren</translation>
    </message>
    <message>
        <source>&amp;Restore Only</source>
        <translation>Nur &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Cut short when Kelvora ended: it starts over from the beginning</source>
        <translation>Beim Beenden von Kelvora unterbrochen: beginnt von vorn</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>kelvora: %1: no such file or folder
</source>
        <translation>kelvora: %1: Datei oder Ordner nicht vorhanden
</translation>
    </message>
    <message>
        <source>kelvora: cannot catch the stop signals
</source>
        <translation>kelvora: Die Stoppsignale können nicht abgefangen werden
</translation>
    </message>
    <message>
        <source>kelvora: no private runtime folder (XDG_RUNTIME_DIR, or %1/kelvora-%2 of this user&apos;s, mode 700): running without the single-instance hand-over
</source>
        <translation>kelvora: Kein privater Laufzeitordner (XDG_RUNTIME_DIR oder %1/kelvora-%2 dieses Benutzers, Modus 700): Ausführung ohne Übergabe an eine laufende Instanz
</translation>
    </message>
    <message>
        <source>kelvora: cannot listen on %1: %2
</source>
        <translation>kelvora: Auf %1 kann nicht gelauscht werden: %2
</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Waiting Convertion...</source>
        <translation>Wartet …</translation>
    </message>
    <message>
        <source>Unknown Format!</source>
        <translation>Unbekanntes Format!</translation>
    </message>
    <message>
        <source>Convertion Completed!</source>
        <translation>Konvertiert!</translation>
    </message>
    <message>
        <source>User Canceled!</source>
        <translation>Abgebrochen!</translation>
    </message>
    <message>
        <source>Convertion Failed!</source>
        <translation>Fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Converter Not Found!</source>
        <translation>Konverter fehlt!</translation>
    </message>
    <message>
        <source>Output Equals Input!</source>
        <translation>Ausgabe = Eingabe!</translation>
    </message>
    <message>
        <source>Invalid Saving Folder!</source>
        <translation>Ungültiger Zielordner!</translation>
    </message>
    <message>
        <source>Partly Converted</source>
        <translation>Teilweise konvertiert</translation>
    </message>
    <message>
        <source>Already Converted</source>
        <translation>Bereits konvertiert</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Browse
Select a folder for target files</source>
        <translation>Durchsuchen
Ordner für die Zieldateien auswählen</translation>
    </message>
    <message>
        <source>Browse
Select a folder to target files</source>
        <translation>Durchsuchen
Ordner für die Zieldateien auswählen</translation>
    </message>
    <message>
        <source>Open Folder
Open the saving folder of target files</source>
        <translation>Ordner öffnen
Den Zielordner der konvertierten Dateien öffnen</translation>
    </message>
    <message>
        <source>Open Folder
Open the target files saving folder</source>
        <translation>Ordner öffnen
Den Zielordner der konvertierten Dateien öffnen</translation>
    </message>
    <message>
        <source>Add files to the list
Add a file to convertion list</source>
        <translation>Dateien zur Liste hinzufügen
Dateien zur Konvertierungsliste hinzufügen</translation>
    </message>
    <message>
        <source>Add the media files of a folder
Add all media files from a folder</source>
        <translation>Mediendateien eines Ordners hinzufügen
Alle Mediendateien eines Ordners hinzufügen</translation>
    </message>
    <message>
        <source>Remove every file from the list
Remove all listed files</source>
        <translation>Alle Dateien aus der Liste entfernen
Alle Dateien der Liste entfernen</translation>
    </message>
    <message>
        <source>Convert the ticked files
Convert listed files</source>
        <translation>Angekreuzte Dateien konvertieren
Die Dateien der Liste konvertieren</translation>
    </message>
    <message>
        <source>Convert the ticked files
Start converting</source>
        <translation>Angekreuzte Dateien konvertieren
Konvertierung starten</translation>
    </message>
    <message>
        <source>Skip the file being converted
Skip Current Media File</source>
        <translation>Die laufende Datei überspringen
Aktuelle Mediendatei überspringen</translation>
    </message>
    <message>
        <source>Stop converting
Stop all convertion</source>
        <translation>Konvertierung stoppen
Alle Konvertierungen stoppen</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora</source>
        <translation>Programminformationen und Version
Über Kelvora</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora 1.0</source>
        <translation>Programminformationen und Version
Über Kelvora 1.0</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Kelvora Already Running!</source>
        <translation>Kelvora läuft bereits!</translation>
    </message>
    <message>
        <source>Browse a folder for target media files</source>
        <translation>Ordner für die Zieldateien auswählen</translation>
    </message>
    <message>
        <source>Open the target files saving folder</source>
        <translation>Den Zielordner der konvertierten Dateien öffnen</translation>
    </message>
    <message>
        <source>Saving Folder:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Solution:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>The help could not be opened: no viewer for %1 and no browser for %2.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden: kein Betrachter für %1 und kein Browser für %2.</translation>
    </message>
    <message>
        <source>Browse for Target File Saving Folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>The Folder not exist!</source>
        <translation>Der Ordner existiert nicht!</translation>
    </message>
    <message>
        <source>No File Selected!</source>
        <translation>Keine Datei ausgewählt!</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Adds, removes and converts the listed files</source>
        <translation>Fügt die aufgelisteten Dateien hinzu, entfernt und konvertiert sie</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Mediendateien</translation>
    </message>
    <message>
        <source>The files to convert, each with its status</source>
        <translation>Die zu konvertierenden Dateien, jede mit ihrem Status</translation>
    </message>
    <message>
        <source>Saving Folder</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Where the converted files are written</source>
        <translation>Wohin die konvertierten Dateien geschrieben werden</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>The format the files are converted to</source>
        <translation>Das Format, in das die Dateien konvertiert werden</translation>
    </message>
    <message>
        <source>Choose a Solution</source>
        <translation>Lösung wählen</translation>
    </message>
    <message>
        <source>Opens the list of Solutions</source>
        <translation>Öffnet die Liste der Lösungen</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Fortschritt des Stapels</translation>
    </message>
</context>
</TS>
