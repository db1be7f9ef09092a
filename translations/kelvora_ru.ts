<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>About Kelvora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvora, Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact us if any questions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Adding</name>
    <message>
        <source>1 file was not added because its name is not valid UTF-8:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added because their names are not valid UTF-8:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 file with another extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n files with other extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file already listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n files already listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 name that is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n names that are not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file or folder that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n files or folders that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n media files added!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 item was not added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n items were not added: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>a web address (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a remote file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file that no longer exists (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files(*.*) (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All media files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mpeg-4 Video(*.mp4) (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD Video(*.vob) (*.vob)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Media Audio(*.wma) (*.wma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Media Video(*.wmv) (*.wmv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Video(*.flv) (*.flv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3) (*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Video Interleave Files(*.avi) (*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Audio Coding Files(*.aac) (*.aac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced System Format Files(*.asf) (*.asf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC3 Audio Files(*.ac3) (*.ac3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCD Files(*.dat) (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Transport Stream(*.ts) (*.ts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding media files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding media files... %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include sub folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Converting 1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files done</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>option %1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option --output needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size takes 1080p, 720p, 480p or keep, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option --from needs a list file, or - for standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kelvora-convert --preset ID|NAME [OPTION]... FILE|FOLDER...
       kelvora-convert --preset ID|NAME [OPTION]... --from LIST
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
  -r, --recursive       a FOLDER also gives the media files of its sub folders
  -0, --null            the lists of --from are separated by NUL characters
                        (as find -print0 writes them), for names with newlines
      --json            print one JSON object a line for each finished file:
                        input, output, status, reason, seconds and, where the
                        converter told it, speed (seconds of media a second)
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
  0    every file was converted
  1    some file was not converted (failed, of unknown format or not started),
       or standard output could not be written
  2    usage error: unknown option or preset, no files, unwritable output folder
  129  stopped by SIGHUP
  130  stopped by SIGINT (Ctrl-C)
  143  stopped by SIGTERM

Examples:
  kelvora-convert --preset wmv --output ~/converted ~/Videos
  find /media -name &apos;*.mp4&apos; -print0 | kelvora-convert -p 19 --null --from -
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not started: the batch was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 not converted, in %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2%  %3/%4 files done  elapsed %5  left %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot install the signal handlers
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no preset given (--preset ID|NAME; see --list-presets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ambiguous preset &apos;%1&apos;; the presets it matches are:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output folder %1 cannot be made or written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no files to convert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit                  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Convertion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Selected Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry Failed Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Convertion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Current Convertion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop All Convertion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Failed Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simultaneous Conversions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One at a Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 at a Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 at a Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Many as Processor Cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modern Video Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1080p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>720p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>480p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the Computer Awake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Kelvora     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert All Listed Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Current Convertion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel This File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>1 file converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 failed, %3 canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvora: the batch has ended</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>General Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wmv file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divx Video (*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI - Audio-Video Interleave (*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avi file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asf file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG1 Movie (*.mpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mpg file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG2 Movie (*.vob)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vob file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG4 Movie (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mp4 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wma file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mp3 - Mpeg Audio Layer3 (*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mp3 Audio (*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mp3 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3GPP  (*.3gp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3GP  (*.3gp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3gp file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3GP (*.3gp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3GPP2 (*.3g2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3g2 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry 3GP (*.3gp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry 3GP file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple iPod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod - High Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLE iPod - High Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod - Normal Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLE iPod - Normal Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod - Low Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLE iPod - Low Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple iPhone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone - High Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLE iPhone - High Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone - Normal Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLE iPhone - Normal Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone - Low Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLE iPhone - Low Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sony PSP/PS3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP - High Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SONY PSP - High Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP - Normal Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SONY PSP - Normal Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP - Low Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SONY PSP - Low Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - High Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SONY PS3 - High Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - Normal Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SONY PS3 - Normal Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - Low Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SONY PS3 - Low Quarlity (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DV - Digital Video (*.dv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dv file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modern Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - High Quality (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Normal Quality (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Low Quality (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - High Quality (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Normal Quality (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Low Quality (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - High Quality (*.webm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>webm file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Normal Quality (*.webm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Low Quality (*.webm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - High Quality (*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mkv file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Normal Quality (*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Low Quality (*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV - Keep Streams, No Re-encoding (*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - Keep Streams, No Re-encoding (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modern Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M4A - AAC (*.m4a)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m4a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus (*.opus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opus file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC - Lossless (*.flac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flac file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 - High Quality VBR (*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV - Uncompressed (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wav file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Media Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>No saving folder is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the saving folder is not an absolute path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no free temporary name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the saving folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter wrote no output file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter wrote an empty output file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter&apos;s output cannot be read as media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter&apos;s output holds no audio or video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter has no %1 encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter has neither the %1 nor the %2 encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter did not list its encoders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a stream that cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s audio codec (%1) cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s codec %1 cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk quota is used up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output is too large for the saving folder&apos;s file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saving folder is on a read-only disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk cannot be read or written (input/output error)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter ran out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter crashed (segmentation fault)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter crashed (bus error)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter crashed (illegal instruction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter crashed (arithmetic fault)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter crashed (aborted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converter was killed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder for %1 is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder cannot make this file with the preset&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no audio or video stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s streams cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a media file, or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>These files no longer exist and were left out of the list:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>kelvora: %1: no such file or folder
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvora: cannot catch the stop signals
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvora: no private runtime folder (XDG_RUNTIME_DIR, or %1/kelvora-%2 of this user&apos;s, mode 700): running without the single-instance hand-over
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvora: cannot listen on %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Waiting Convertion...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convertion Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convertion Failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converter Not Found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Equals Input!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Saving Folder!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Browse
Select a folder for target files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse
Select a folder to target files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder
Open the saving folder of target files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder
Open the target files saving folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files to the list
Add a file to convertion list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the media files of a folder
Add all media files from a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove every file from the list
Remove all listed files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the ticked files
Convert listed files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the ticked files
Start converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the file being converted
Skip Current Media File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop converting
Stop all convertion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora 1.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Kelvora Already Running!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse a folder for target media files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the target files saving folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help could not be opened: no viewer for %1 and no browser for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for Target File Saving Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Folder not exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No File Selected!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
