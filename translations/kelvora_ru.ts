<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>About Kelvora</source>
        <translation>О программе Kelvora</translation>
    </message>
    <message>
        <source>Kelvora, Version 1.0</source>
        <translation>Kelvora, версия 1.0</translation>
    </message>
    <message>
        <source>Contact us if any questions:</source>
        <translation>По любым вопросам пишите нам:</translation>
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
        <translation>1 файл не добавлен, так как его имя не в кодировке UTF-8:</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added because their names are not valid UTF-8:</source>
        <translation>
            <numerusform>%n файл не добавлен, так как его имя не в кодировке UTF-8:</numerusform>
            <numerusform>%n файла не добавлены, так как их имена не в кодировке UTF-8:</numerusform>
            <numerusform>%n файлов не добавлено, так как их имена не в кодировке UTF-8:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... и ещё %n</numerusform>
            <numerusform>... и ещё %n</numerusform>
            <numerusform>... и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 and %n more</source>
        <translation>
            <numerusform>%1: %2 и ещё %n</numerusform>
            <numerusform>%1: %2 и ещё %n</numerusform>
            <numerusform>%1: %2 и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file with another extension</source>
        <translation>1 файл с другим расширением</translation>
    </message>
    <message numerus="yes">
        <source>%n files with other extensions</source>
        <translation>
            <numerusform>%n файл с другим расширением</numerusform>
            <numerusform>%n файла с другими расширениями</numerusform>
            <numerusform>%n файлов с другими расширениями</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file already listed</source>
        <translation>1 файл уже в списке</translation>
    </message>
    <message numerus="yes">
        <source>%n files already listed</source>
        <translation>
            <numerusform>%n файл уже в списке</numerusform>
            <numerusform>%n файла уже в списке</numerusform>
            <numerusform>%n файлов уже в списке</numerusform>
        </translation>
    </message>
    <message>
        <source>1 name that is not valid UTF-8</source>
        <translation>1 имя не в кодировке UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8</source>
        <translation>
            <numerusform>%n имя не в кодировке UTF-8</numerusform>
            <numerusform>%n имени не в кодировке UTF-8</numerusform>
            <numerusform>%n имён не в кодировке UTF-8</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file or folder that cannot be read</source>
        <translation>Не удаётся прочитать 1 файл или папку</translation>
    </message>
    <message numerus="yes">
        <source>%n files or folders that cannot be read</source>
        <translation>
            <numerusform>%n файл или папка недоступны для чтения</numerusform>
            <numerusform>%n файла или папки недоступны для чтения</numerusform>
            <numerusform>%n файлов или папок недоступны для чтения</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n media files added!</source>
        <translation>
            <numerusform>Добавлен %n медиафайл!</numerusform>
            <numerusform>Добавлено %n медиафайла!</numerusform>
            <numerusform>Добавлено %n медиафайлов!</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item was not added: %1</source>
        <translation>1 элемент не добавлен: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items were not added: %1</source>
        <translation>
            <numerusform>%n элемент не добавлен: %1</numerusform>
            <numerusform>%n элемента не добавлены: %1</numerusform>
            <numerusform>%n элементов не добавлено: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a web address (%1)</source>
        <translation>веб-адрес (%1)</translation>
    </message>
    <message>
        <source>a remote file (%1)</source>
        <translation>удалённый файл (%1)</translation>
    </message>
    <message>
        <source>a file that no longer exists (%1)</source>
        <translation>файл, которого больше нет (%1)</translation>
    </message>
    <message>
        <source>All files(*.*) (*)</source>
        <translation>Все файлы (*.*) (*)</translation>
    </message>
    <message>
        <source>All media files (%1)</source>
        <translation>Все медиафайлы (%1)</translation>
    </message>
    <message>
        <source>Mpeg-4 Video(*.mp4) (*.mp4)</source>
        <translation>Видео MPEG-4 (*.mp4) (*.mp4)</translation>
    </message>
    <message>
        <source>DVD Video(*.vob) (*.vob)</source>
        <translation>Видео DVD (*.vob) (*.vob)</translation>
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
        <translation>Видео Flash (*.flv) (*.flv)</translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3) (*.mp3)</source>
        <translation>Файлы MP3 (*.mp3) (*.mp3)</translation>
    </message>
    <message>
        <source>Audio Video Interleave Files(*.avi) (*.avi)</source>
        <translation>Файлы Audio Video Interleave (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding Files(*.aac) (*.aac)</source>
        <translation>Файлы Advanced Audio Coding (*.aac) (*.aac)</translation>
    </message>
    <message>
        <source>Advanced System Format Files(*.asf) (*.asf)</source>
        <translation>Файлы Advanced System Format (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>AC3 Audio Files(*.ac3) (*.ac3)</source>
        <translation>Аудиофайлы AC3 (*.ac3) (*.ac3)</translation>
    </message>
    <message>
        <source>VCD Files(*.dat) (*.dat)</source>
        <translation>Файлы VCD (*.dat) (*.dat)</translation>
    </message>
    <message>
        <source>Video Transport Stream(*.ts) (*.ts)</source>
        <translation>Транспортный поток видео (*.ts) (*.ts)</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>Adding media files...</source>
        <translation>Добавление медиафайлов...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Adding media files... %1 of %2</source>
        <translation>Добавление медиафайлов... %1 из %2</translation>
    </message>
    <message>
        <source>Include sub folders</source>
        <translation>Включить подпапки</translation>
    </message>
    <message>
        <source>1 link to a folder not followed</source>
        <translation>Не пройдено по 1 ссылке на папку</translation>
    </message>
    <message numerus="yes">
        <source>%n links to folders not followed</source>
        <translation>
            <numerusform>Не пройдено по %n ссылке на папки</numerusform>
            <numerusform>Не пройдено по %n ссылкам на папки</numerusform>
            <numerusform>Не пройдено по %n ссылкам на папки</numerusform>
        </translation>
    </message>
    <message>
        <source>1 media file in a sub folder: tick Include sub folders</source>
        <translation>1 медиафайл во вложенной папке: отметьте «Включить подпапки»</translation>
    </message>
    <message numerus="yes">
        <source>%n media files in sub folders: tick Include sub folders</source>
        <translation>
            <numerusform>Медиафайлов во вложенных папках: %n; отметьте «Включить подпапки»</numerusform>
            <numerusform>Медиафайлов во вложенных папках: %n; отметьте «Включить подпапки»</numerusform>
            <numerusform>Медиафайлов во вложенных папках: %n; отметьте «Включить подпапки»</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a folder to watch</source>
        <translation>Выберите папку для наблюдения</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Converting 1 file</source>
        <translation>Преобразование 1 файла</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files</source>
        <translation>
            <numerusform>Преобразование %n файла</numerusform>
            <numerusform>Преобразование %n файлов</numerusform>
            <numerusform>Преобразование %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>ошибок: %n</numerusform>
            <numerusform>ошибок: %n</numerusform>
            <numerusform>ошибок: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files done</source>
        <translation>
            <numerusform>%1 из %n файла готово</numerusform>
            <numerusform>%1 из %n файлов готово</numerusform>
            <numerusform>%1 из %n файлов готово</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Пауза: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>Преобразовано: %n</numerusform>
            <numerusform>Преобразовано: %n</numerusform>
            <numerusform>Преобразовано: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>отменено: %n</numerusform>
            <numerusform>отменено: %n</numerusform>
            <numerusform>отменено: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>осталось %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message numerus="yes">
        <source>%n partly converted</source>
        <translation>
            <numerusform>частично: %n</numerusform>
            <numerusform>частично: %n</numerusform>
            <numerusform>частично: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>Системная шина недоступна.</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted</source>
        <translation>
            <numerusform>%n уже преобразован</numerusform>
            <numerusform>%n уже преобразованы</numerusform>
            <numerusform>%n уже преобразовано</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not there)</source>
        <translation>%1 (отсутствует)</translation>
    </message>
    <message>
        <source>Watching: %1</source>
        <translation>Наблюдение: %1</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Выключить сейчас</translation>
    </message>
    <message>
        <source>Suspend Now</source>
        <translation>Приостановить сейчас</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>Преобразование завершено. Компьютер выключится через %n секунду.</numerusform>
            <numerusform>Преобразование завершено. Компьютер выключится через %n секунды.</numerusform>
            <numerusform>Преобразование завершено. Компьютер выключится через %n секунд.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer is suspended in %n seconds.</source>
        <translation>
            <numerusform>Преобразование завершено. Компьютер перейдёт в ждущий режим через %n секунду.</numerusform>
            <numerusform>Преобразование завершено. Компьютер перейдёт в ждущий режим через %n секунды.</numerusform>
            <numerusform>Преобразование завершено. Компьютер перейдёт в ждущий режим через %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer could not be powered off: %1</source>
        <translation>Не удалось выключить компьютер: %1</translation>
    </message>
    <message>
        <source>The computer could not be suspended: %1</source>
        <translation>Не удалось перевести компьютер в ждущий режим: %1</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>параметру %1 требуется значение</translation>
    </message>
    <message>
        <source>option --output needs a folder</source>
        <translation>параметру --output требуется папка</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation>--jobs принимает число от 1 до 64, а не «%1»</translation>
    </message>
    <message>
        <source>--size takes 1080p, 720p, 480p or keep, not &apos;%1&apos;</source>
        <translation>--size принимает 1080p, 720p, 480p или keep, а не «%1»</translation>
    </message>
    <message>
        <source>option --from needs a list file, or - for standard input</source>
        <translation>параметру --from требуется файл списка или - для стандартного ввода</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1: не удаётся записать в стандартный вывод: %2
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
По команде «%1 --help» можно получить дополнительную информацию.
</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>не удаётся прочитать список %1: %2</translation>
    </message>
    <message>
        <source>Not started: the batch was stopped</source>
        <translation>Не начато: пакет остановлен</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 not converted, in %4</source>
        <translation>Файлов: %1, преобразовано: %2, не преобразовано: %3, за %4</translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <translation>; остановлено сигналом %1</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Нет такого файла</translation>
    </message>
    <message>
        <source>%1 %2%  %3/%4 files done  elapsed %5  left %6</source>
        <translation>%1 %2%  готово %3/%4  прошло %5  осталось %6</translation>
    </message>
    <message>
        <source>%1: cannot install the signal handlers
</source>
        <translation>%1: не удаётся установить обработчики сигналов
</translation>
    </message>
    <message>
        <source>no preset given (--preset ID|NAME; see --list-presets)</source>
        <translation>профиль не указан (--preset ID|ИМЯ; см. --list-presets)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are:
%2</source>
        <translation>неизвестный профиль «%1»; доступные профили:
%2</translation>
    </message>
    <message>
        <source>ambiguous preset &apos;%1&apos;; the presets it matches are:
%2</source>
        <translation>неоднозначный профиль «%1»; подходящие профили:
%2</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be made or written to</source>
        <translation>не удаётся создать папку вывода %1 или записать в неё</translation>
    </message>
    <message>
        <source>no files to convert</source>
        <translation>нет файлов для преобразования</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 partly converted, %4 not converted, in %5</source>
        <translation>Файлов: %1; преобразовано: %2, частично: %3, не преобразовано: %4, за %5</translation>
    </message>
    <message>
        <source>option --watch needs a folder</source>
        <translation>параметру --watch нужна папка</translation>
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
        <translation>Использование: kelvora-convert --preset ID|ИМЯ [ПАРАМЕТР]... ФАЙЛ|ПАПКА...
               kelvora-convert --preset ID|ИМЯ [ПАРАМЕТР]... --from СПИСОК
               kelvora-convert --preset ID|ИМЯ [ПАРАМЕТР]... --watch ПАПКА [ФАЙЛ|ПАПКА]...
Преобразование медиафайлов по профилям Kelvora, без окна.

Каждый файл преобразуется с той же командной строкой конвертера, теми же именами
выходных файлов и статусами, что и в окне Kelvora. ПАПКА добавляет содержащиеся
в ней медиафайлы, как «Добавить папку» (расширения в любом регистре; скрытые
файлы и папки пропускаются); о том, что не добавлено, сообщается в стандартный
поток ошибок.

Параметры:
  -p, --preset ID|ИМЯ   целевой формат: номер профиля, его название в меню или в
                        поле «Профиль» (по-английски, регистр не важен) либо
                        часть одного из них, которая есть только у одного
                        профиля (&quot;wmv&quot;, &quot;ipod - high&quot;)
  -o, --output ПАПКА    папка сохранения (по умолчанию текущая папка); если её
                        нет, она создаётся
  -j, --jobs N          преобразовывать по N файлов одновременно, от 1 до 64
                        (по умолчанию по одному на ядро процессора, не более 8)
      --size РАЗМЕР     наибольшая высота кадра для профилей, которые её
                        учитывают: 1080p, 720p, 480p или keep (по умолчанию
                        keep)
      --from СПИСОК     также преобразовать пути из файла СПИСОК, по одному в
                        строке (&quot;-&quot; читает стандартный ввод); относительные
                        пути отсчитываются от текущей папки
  -r, --recursive       ПАПКА даёт также медиафайлы своих подпапок; каждый
                        выходной файл ложится по тому же относительному пути
                        в папке вывода (папки создаются по мере надобности)
      --flat            все выходные файлы ложатся прямо в папку вывода
      --skip-existing   файл, выходной файл которого (то же имя в его папке
                        вывода) уже есть, не преобразуется снова: о нём
                        сообщается &quot;Already Converted&quot;
      --watch ПАПКА     наблюдать за ПАПКОЙ (несколько раз для нескольких
                        папок; с -r и за её подпапками) через уведомления ядра
                        о файлах (inotify) и преобразовывать каждый
                        появившийся медиафайл, когда он готов: записан и
                        закрыт или перемещён в папку, и его размер не менялся
                        две секунды. Скрытые и недописанные файлы не берутся;
                        файлы, бывшие там при запуске, считаются появившимися,
                        и, как с --skip-existing, файл, выходной файл которого
                        есть, не преобразуется снова. Работает до SIGTERM или
                        SIGINT
  -0, --null            списки из --from разделены символами NUL (как их
                        выводит find -print0), для имён с переводами строк
      --json            выводить по одному объекту JSON в строке на каждый
                        завершённый файл: input, output, status, reason, seconds
                        и speed (секунд медиа в секунду), если конвертер её
                        сообщил
                        для преобразованного файла reason называет дорожки,
                        которые не поместились в результат
      --no-keep-dates   ставить каждому результату текущую дату вместо
                        времени изменения исходного файла
      --no-inhibit      разрешить компьютеру засыпать при бездействии во время
                        пакета (по умолчанию, пока пакет выполняется, переход в
                        сон запрещён)
      --list-presets    вывести номер, группу и название каждого профиля и то,
                        может ли конвертер его создать, затем выйти
  -h, --help            показать эту справку и выйти
      --version         показать версию и выйти
      --                все аргументы после него — файлы или папки, даже если
                        начинаются с -

В терминале живая строка показывает выполняемые файлы, а полоса — готовые файлы,
прошедшее и оставшееся время; иначе для каждого завершённого файла выводится
одна строка. Итог выводится в стандартный поток ошибок. Ctrl-C, SIGTERM или
SIGHUP (закрытый терминал) сразу останавливают работу: текущие преобразования
завершаются и не оставляют недописанных файлов. Ctrl-Z приостанавливает текущие
преобразования вместе с программой, fg возобновляет их.

Код завершения:
  0    все файлы преобразованы или уже были преобразованы
  1    какой-то файл не преобразован (ошибка, неизвестный формат или не начат)
       либо не удалось записать в стандартный вывод
  2    ошибка использования: неизвестный параметр или профиль, нет файлов,
       папка вывода недоступна для записи
  129  остановлено сигналом SIGHUP
  130  остановлено сигналом SIGINT (Ctrl-C)
  143  остановлено сигналом SIGTERM

Примеры:
  kelvora-convert --preset wmv --output ~/converted ~/Videos
  kelvora-convert -p 24 -r --skip-existing -o ~/Music/mp3 ~/Music/flac
  kelvora-convert -p 24 -o ~/Converted --watch ~/Incoming
  find /media -name &apos;*.mp4&apos; -print0 | kelvora-convert -p 19 --null --from -
</translation>
    </message>
    <message>
        <source>%1: watching %2
</source>
        <translation>%1: наблюдение за %2
</translation>
    </message>
    <message>
        <source>%1: %2: %3; it is watched again when it is back
</source>
        <translation>%1: %2: %3; наблюдение возобновится, когда она вернётся
</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 already converted, %4 not converted, in %5</source>
        <translation>Файлов: %1; преобразовано: %2, уже были преобразованы: %3, не преобразовано: %4, за %5</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be a watched folder</source>
        <translation>папка вывода %1 не может быть папкой наблюдения</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Media Converter</source>
        <translation>Конвертер мультимедиа</translation>
    </message>
    <message>
        <source>Convert audio and video files to another format in one batch</source>
        <translation>Пакетное преобразование аудио- и видеофайлов в другой формат</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операционной системе не хватает
памяти или ресурсов.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Указанный путь не найден.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операционная система запретила
доступ к указанному файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Недопустимый файл .EXE
(не Win32 .EXE или ошибка в образе .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Произошло нарушение совместного доступа. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Сопоставление имени файла
неполное или недопустимое.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Не удалось завершить транзакцию DDE,
так как истекло время ожидания запроса.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Ошибка транзакции DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Не удалось завершить транзакцию DDE,
так как обрабатывались другие
транзакции DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Нет приложения, связанного
с данным расширением имени файла.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Указанная динамическая библиотека не найдена.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Произошла неизвестная ошибка (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Не удаётся открыть ссылку:

%1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Target Format</source>
        <translation>Целевой формат</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Преобразование...</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Убрать все</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>E&amp;xit                  </source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Convertion</source>
        <translation>&amp;Преобразование</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Преобразовать все</translation>
    </message>
    <message>
        <source>Convert Selected Files</source>
        <translation>Преобразовать выбранные</translation>
    </message>
    <message>
        <source>Retry Failed Files</source>
        <translation>Повторить неудачные</translation>
    </message>
    <message>
        <source>Pause Convertion</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Stop Current Convertion</source>
        <translation>Остановить текущий файл</translation>
    </message>
    <message>
        <source>Stop All Convertion</source>
        <translation>Остановить все</translation>
    </message>
    <message>
        <source>Select Failed Files</source>
        <translation>Выделить неудачные</translation>
    </message>
    <message>
        <source>Simultaneous Conversions</source>
        <translation>Одновременные преобразования</translation>
    </message>
    <message>
        <source>One at a Time</source>
        <translation>По одному</translation>
    </message>
    <message>
        <source>2 at a Time</source>
        <translation>По 2</translation>
    </message>
    <message>
        <source>4 at a Time</source>
        <translation>По 4</translation>
    </message>
    <message>
        <source>As Many as Processor Cores</source>
        <translation>По числу ядер процессора</translation>
    </message>
    <message>
        <source>Modern Video Size</source>
        <translation>Размер современного видео</translation>
    </message>
    <message>
        <source>Keep Size</source>
        <translation>Исходный размер</translation>
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
        <translation>Не давать компьютеру засыпать</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help(F1)</source>
        <translation>Справка (F1)</translation>
    </message>
    <message>
        <source>&amp;About Kelvora     </source>
        <translation>&amp;О программе Kelvora</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Add Files          </source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Отметить все</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Убрать все файлы</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>Convert All Listed Files</source>
        <translation>Преобразовать все файлы списка</translation>
    </message>
    <message>
        <source>Skip Current Convertion</source>
        <translation>Пропустить текущий файл</translation>
    </message>
    <message>
        <source>Cancel This File</source>
        <translation>Отменить этот файл</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Keep Original File Dates</source>
        <translation>Сохранять исходные даты файлов</translation>
    </message>
    <message>
        <source>Resume Convertion</source>
        <translation>Продолжить преобразование</translation>
    </message>
    <message>
        <source>Watch Folder...</source>
        <translation>Наблюдать за папкой...</translation>
    </message>
    <message>
        <source>Stop Watching Folders</source>
        <translation>Прекратить наблюдение за папками</translation>
    </message>
    <message>
        <source>Convert As They Arrive</source>
        <translation>Преобразовывать по прибытии</translation>
    </message>
    <message>
        <source>Make a New Name</source>
        <translation>Создать новое имя</translation>
    </message>
    <message>
        <source>Skip the File</source>
        <translation>Пропустить файл</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ничего не делать</translation>
    </message>
    <message>
        <source>Quit Kelvora</source>
        <translation>Выйти из Kelvora</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Ждущий режим</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Only If All Succeeded</source>
        <translation>Только если всё удалось</translation>
    </message>
    <message>
        <source>When the Output Exists</source>
        <translation>Если выходной файл существует</translation>
    </message>
    <message>
        <source>When Done</source>
        <translation>По завершении</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>1 file converted</source>
        <translation>1 файл преобразован</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n файл преобразован</numerusform>
            <numerusform>%n файла преобразованы</numerusform>
            <numerusform>%n файлов преобразовано</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 failed, %3 canceled</source>
        <translation>%1, ошибок: %2, отменено: %3</translation>
    </message>
    <message>
        <source>Kelvora: the batch has ended</source>
        <translation>Kelvora: пакет завершён</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n partly converted</source>
        <translation>
            <numerusform>%1, частично: %n</numerusform>
            <numerusform>%1, частично: %n</numerusform>
            <numerusform>%1, частично: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>General Video</source>
        <translation>Обычное видео</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>wmv file</source>
        <translation>файл WMV</translation>
    </message>
    <message>
        <source>Divx Video (*.avi)</source>
        <translation>Видео DivX (*.avi)</translation>
    </message>
    <message>
        <source>AVI - Audio-Video Interleave (*.avi)</source>
        <translation>AVI - Audio-Video Interleave (*.avi)</translation>
    </message>
    <message>
        <source>avi file</source>
        <translation>файл AVI</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>asf file</source>
        <translation>файл ASF</translation>
    </message>
    <message>
        <source>MPEG1 Movie (*.mpg)</source>
        <translation>Фильм MPEG1 (*.mpg)</translation>
    </message>
    <message>
        <source>mpg file</source>
        <translation>файл MPG</translation>
    </message>
    <message>
        <source>MPEG2 Movie (*.vob)</source>
        <translation>Фильм MPEG2 (*.vob)</translation>
    </message>
    <message>
        <source>vob file</source>
        <translation>файл VOB</translation>
    </message>
    <message>
        <source>MPEG4 Movie (*.mp4)</source>
        <translation>Фильм MPEG4 (*.mp4)</translation>
    </message>
    <message>
        <source>mp4 file</source>
        <translation>файл MP4</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Обычное аудио</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>wma file</source>
        <translation>файл WMA</translation>
    </message>
    <message>
        <source>Mp3 - Mpeg Audio Layer3 (*.mp3)</source>
        <translation>MP3 - MPEG Audio Layer 3 (*.mp3)</translation>
    </message>
    <message>
        <source>Mp3 Audio (*.mp3)</source>
        <translation>Аудио MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>mp3 file</source>
        <translation>файл MP3</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Мобильный телефон</translation>
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
        <translation>файл 3GP</translation>
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
        <translation>файл 3G2</translation>
    </message>
    <message>
        <source>BlackBerry 3GP (*.3gp)</source>
        <translation>BlackBerry 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>BlackBerry 3GP file</source>
        <translation>файл BlackBerry 3GP</translation>
    </message>
    <message>
        <source>Apple iPod</source>
        <translation>Apple iPod</translation>
    </message>
    <message>
        <source>iPod - High Quarlity (*.mp4)</source>
        <translation>iPod - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - High Quarlity (*.mp4)</source>
        <translation>APPLE iPod - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Normal Quarlity (*.mp4)</source>
        <translation>iPod - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPod - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Low Quarlity (*.mp4)</source>
        <translation>iPod - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPod - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>Apple iPhone</source>
        <translation>Apple iPhone</translation>
    </message>
    <message>
        <source>iPhone - High Quarlity (*.mp4)</source>
        <translation>iPhone - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - High Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Normal Quarlity (*.mp4)</source>
        <translation>iPhone - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Low Quarlity (*.mp4)</source>
        <translation>iPhone - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>Sony PSP/PS3</source>
        <translation>Sony PSP/PS3</translation>
    </message>
    <message>
        <source>PSP - High Quarlity (*.mp4)</source>
        <translation>PSP - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - High Quarlity (*.mp4)</source>
        <translation>SONY PSP - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Normal Quarlity (*.mp4)</source>
        <translation>PSP - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Normal Quarlity (*.mp4)</source>
        <translation>SONY PSP - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Low Quarlity (*.mp4)</source>
        <translation>PSP - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Low Quarlity (*.mp4)</source>
        <translation>SONY PSP - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - High Quarlity (*.mp4)</source>
        <translation>PS3 - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - High Quarlity (*.mp4)</source>
        <translation>SONY PS3 - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Normal Quarlity (*.mp4)</source>
        <translation>PS3 - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Normal Quarlity (*.mp4)</source>
        <translation>SONY PS3 - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Low Quarlity (*.mp4)</source>
        <translation>PS3 - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Low Quarlity (*.mp4)</source>
        <translation>SONY PS3 - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>DV - Digital Video (*.dv)</source>
        <translation>DV - Digital Video (*.dv)</translation>
    </message>
    <message>
        <source>dv file</source>
        <translation>файл DV</translation>
    </message>
    <message>
        <source>Modern Video</source>
        <translation>Современное видео</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - высокое качество (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - обычное качество (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - низкое качество (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - High Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - высокое качество (*.webm)</translation>
    </message>
    <message>
        <source>webm file</source>
        <translation>файл WebM</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Normal Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - обычное качество (*.webm)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Low Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - низкое качество (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - High Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - высокое качество (*.mkv)</translation>
    </message>
    <message>
        <source>mkv file</source>
        <translation>файл MKV</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Normal Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - обычное качество (*.mkv)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Low Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - низкое качество (*.mkv)</translation>
    </message>
    <message>
        <source>Same Quality</source>
        <translation>Исходное качество</translation>
    </message>
    <message>
        <source>MKV - Keep Streams, No Re-encoding (*.mkv)</source>
        <translation>MKV - исходные потоки, без перекодирования (*.mkv)</translation>
    </message>
    <message>
        <source>MP4 - Keep Streams, No Re-encoding (*.mp4)</source>
        <translation>MP4 - исходные потоки, без перекодирования (*.mp4)</translation>
    </message>
    <message>
        <source>Modern Audio</source>
        <translation>Современное аудио</translation>
    </message>
    <message>
        <source>M4A - AAC (*.m4a)</source>
        <translation>M4A - AAC (*.m4a)</translation>
    </message>
    <message>
        <source>m4a file</source>
        <translation>файл M4A</translation>
    </message>
    <message>
        <source>Opus (*.opus)</source>
        <translation>Opus (*.opus)</translation>
    </message>
    <message>
        <source>opus file</source>
        <translation>файл Opus</translation>
    </message>
    <message>
        <source>FLAC - Lossless (*.flac)</source>
        <translation>FLAC - без потерь (*.flac)</translation>
    </message>
    <message>
        <source>flac file</source>
        <translation>файл FLAC</translation>
    </message>
    <message>
        <source>MP3 - High Quality VBR (*.mp3)</source>
        <translation>MP3 - высокое качество, VBR (*.mp3)</translation>
    </message>
    <message>
        <source>WAV - Uncompressed (*.wav)</source>
        <translation>WAV - без сжатия (*.wav)</translation>
    </message>
    <message>
        <source>wav file</source>
        <translation>файл WAV</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Media Information</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Video Information</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio Information</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Media Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Media Bitrate</source>
        <translation>Общий битрейт</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>Формат видео</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Audio Format</source>
        <translation>Формат аудио</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Дискретизация</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Обложка</translation>
    </message>
    <message>
        <source>Attached file</source>
        <translation>Вложенный файл</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 канал</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n канал</numerusform>
            <numerusform>%n канала</numerusform>
            <numerusform>%n каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>изображения</translation>
    </message>
    <message>
        <source>default</source>
        <translation>по умолчанию</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>принудительные</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Потоки</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>No saving folder is chosen</source>
        <translation>Папка сохранения не выбрана</translation>
    </message>
    <message>
        <source>%1: the saving folder is not an absolute path</source>
        <translation>%1: путь к папке сохранения не абсолютный</translation>
    </message>
    <message>
        <source>%1: no free temporary name</source>
        <translation>%1: нет свободного временного имени</translation>
    </message>
    <message>
        <source>%1: the saving folder cannot be created</source>
        <translation>%1: не удаётся создать папку сохранения</translation>
    </message>
    <message>
        <source>The converter wrote no output file</source>
        <translation>Конвертер не создал выходной файл</translation>
    </message>
    <message>
        <source>The converter wrote an empty output file</source>
        <translation>Конвертер создал пустой выходной файл</translation>
    </message>
    <message>
        <source>The converter&apos;s output cannot be read as media</source>
        <translation>Выходной файл конвертера не читается как медиафайл</translation>
    </message>
    <message>
        <source>The converter&apos;s output holds no audio or video</source>
        <translation>Выходной файл конвертера не содержит ни аудио, ни видео</translation>
    </message>
    <message>
        <source>The converter has no %1 encoder.</source>
        <translation>В конвертере нет кодировщика %1.</translation>
    </message>
    <message>
        <source>The converter has neither the %1 nor the %2 encoder.</source>
        <translation>В конвертере нет ни кодировщика %1, ни кодировщика %2.</translation>
    </message>
    <message>
        <source>The converter did not list its encoders.</source>
        <translation>Конвертер не выдал список своих кодировщиков.</translation>
    </message>
    <message>
        <source>The file holds a stream that cannot be decoded</source>
        <translation>Файл содержит поток, который не удаётся декодировать</translation>
    </message>
    <message>
        <source>The file&apos;s audio codec (%1) cannot be decoded</source>
        <translation>Аудиокодек файла (%1) не удаётся декодировать</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be decoded</source>
        <translation>Видеокодек файла (%1) не удаётся декодировать</translation>
    </message>
    <message>
        <source>The file&apos;s codec %1 cannot be decoded</source>
        <translation>Кодек %1 в этом файле не удаётся декодировать</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>The disk quota is used up</source>
        <translation>Дисковая квота исчерпана</translation>
    </message>
    <message>
        <source>The output is too large for the saving folder&apos;s file system</source>
        <translation>Выходной файл слишком велик для файловой системы папки сохранения</translation>
    </message>
    <message>
        <source>The saving folder is on a read-only disk</source>
        <translation>Папка сохранения находится на диске только для чтения</translation>
    </message>
    <message>
        <source>The disk cannot be read or written (input/output error)</source>
        <translation>Не удаётся прочитать или записать диск (ошибка ввода-вывода)</translation>
    </message>
    <message>
        <source>The converter ran out of memory</source>
        <translation>Конвертеру не хватило памяти</translation>
    </message>
    <message>
        <source>The file is damaged at %1</source>
        <translation>Файл повреждён на отметке %1</translation>
    </message>
    <message>
        <source>The file is damaged</source>
        <translation>Файл повреждён</translation>
    </message>
    <message>
        <source>The converter crashed (segmentation fault)</source>
        <translation>Конвертер аварийно завершился (ошибка сегментации)</translation>
    </message>
    <message>
        <source>The converter crashed (bus error)</source>
        <translation>Конвертер аварийно завершился (ошибка шины)</translation>
    </message>
    <message>
        <source>The converter crashed (illegal instruction)</source>
        <translation>Конвертер аварийно завершился (недопустимая инструкция)</translation>
    </message>
    <message>
        <source>The converter crashed (arithmetic fault)</source>
        <translation>Конвертер аварийно завершился (арифметическая ошибка)</translation>
    </message>
    <message>
        <source>The converter crashed (aborted)</source>
        <translation>Конвертер аварийно завершился (прерван)</translation>
    </message>
    <message>
        <source>The converter was killed (%1)</source>
        <translation>Конвертер принудительно завершён (%1)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>сигнал %1</translation>
    </message>
    <message>
        <source>The encoder for %1 is not installed</source>
        <translation>Кодировщик для %1 не установлен</translation>
    </message>
    <message>
        <source>The encoder cannot make this file with the preset&apos;s settings</source>
        <translation>Кодировщик не может создать этот файл с параметрами профиля</translation>
    </message>
    <message>
        <source>The file holds no audio or video stream</source>
        <translation>Файл не содержит ни аудио-, ни видеопотока</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be converted</source>
        <translation>Видеокодек файла (%1) не удаётся преобразовать</translation>
    </message>
    <message>
        <source>The file&apos;s streams cannot be read</source>
        <translation>Не удаётся прочитать потоки файла</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>Файл не существует</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
    <message>
        <source>The file cannot be read (%1)</source>
        <translation>Не удаётся прочитать файл (%1)</translation>
    </message>
    <message>
        <source>Not a media file, or damaged</source>
        <translation>Не медиафайл или файл повреждён</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8</source>
        <translation>Имя не в кодировке UTF-8</translation>
    </message>
    <message>
        <source>The encoder refused these settings: %1</source>
        <translation>Кодировщик отклонил эти настройки: %1</translation>
    </message>
    <message>
        <source>The converter went on running after closing its output</source>
        <translation>Конвертер продолжал работать после закрытия своего вывода</translation>
    </message>
    <message>
        <source>The converter stopped with exit status %1</source>
        <translation>Конвертер завершился с кодом выхода %1</translation>
    </message>
    <message>
        <source>A picture subtitle track cannot go into %1</source>
        <translation>Дорожка графических субтитров не помещается в %1</translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n дорожка графических субтитров не помещается в %1</numerusform>
            <numerusform>%n дорожки графических субтитров не помещаются в %1</numerusform>
            <numerusform>%n дорожек графических субтитров не помещаются в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A subtitle track cannot go into %1</source>
        <translation>Дорожка субтитров не помещается в %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n дорожка субтитров не помещается в %1</numerusform>
            <numerusform>%n дорожки субтитров не помещаются в %1</numerusform>
            <numerusform>%n дорожек субтитров не помещаются в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>An attached file cannot go into %1</source>
        <translation>Вложенный файл не помещается в %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attached files cannot go into %1</source>
        <translation>
            <numerusform>%n вложенный файл не помещается в %1</numerusform>
            <numerusform>%n вложенных файла не помещаются в %1</numerusform>
            <numerusform>%n вложенных файлов не помещаются в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>HDR is written without tone mapping: the converter has no zscale filter</source>
        <translation>HDR записывается без тональной компрессии: у конвертера нет фильтра zscale</translation>
    </message>
    <message>
        <source>the input file ends early</source>
        <translation>входной файл обрывается раньше времени</translation>
    </message>
    <message>
        <source>Partly converted: %1</source>
        <translation>Преобразовано частично: %1</translation>
    </message>
    <message>
        <source>Converted %1 of %2: %3</source>
        <translation>Преобразовано %1 из %2: %3</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 уже существует</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made: %2</source>
        <translation>%1: не удаётся создать папку: %2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list?</source>
        <translation>Работа Kelvora была завершена некорректно. Восстановить 1 файл из последнего списка?</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list?</source>
        <translation>
            <numerusform>Работа Kelvora была завершена некорректно. Восстановить %n файл из последнего списка?</numerusform>
            <numerusform>Работа Kelvora была завершена некорректно. Восстановить %n файла из последнего списка?</numerusform>
            <numerusform>Работа Kelvora была завершена некорректно. Восстановить %n файлов из последнего списка?</numerusform>
        </translation>
    </message>
    <message>
        <source>These files no longer exist and were left out of the list:</source>
        <translation>Этих файлов больше нет, они не включены в список:</translation>
    </message>
    <message>
        <source>kelvora: the session file %1 cannot be read; it was moved to %2</source>
        <translation>kelvora: файл сеанса %1 не читается; он перемещён в %2</translation>
    </message>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list? It was still to be converted; if it was cut short, it starts over.</source>
        <translation>Kelvora завершилась некорректно. Восстановить 1 файл последнего списка? Он ещё не был преобразован; если преобразование прервалось, оно начнётся заново.</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list? %1 of them were still to be converted; files cut short start over.</source>
        <translation>
            <numerusform>Kelvora завершилась некорректно. Восстановить файлы последнего списка (%n)? Ещё не преобразовано: %1; прерванные файлы начнутся заново.</numerusform>
            <numerusform>Kelvora завершилась некорректно. Восстановить файлы последнего списка (%n)? Ещё не преобразовано: %1; прерванные файлы начнутся заново.</numerusform>
            <numerusform>Kelvora завершилась некорректно. Восстановить файлы последнего списка (%n)? Ещё не преобразовано: %1; прерванные файлы начнутся заново.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore and &amp;Go On Converting</source>
        <translation>Восстановить и &amp;продолжить</translation>
    </message>
    <message>
        <source>&amp;Restore Only</source>
        <translation>Только &amp;восстановить</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Cut short when Kelvora ended: it starts over from the beginning</source>
        <translation>Прервано при завершении Kelvora: начнётся заново</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>kelvora: %1: no such file or folder
</source>
        <translation>kelvora: %1: нет такого файла или папки
</translation>
    </message>
    <message>
        <source>kelvora: cannot catch the stop signals
</source>
        <translation>kelvora: не удаётся перехватить сигналы остановки
</translation>
    </message>
    <message>
        <source>kelvora: no private runtime folder (XDG_RUNTIME_DIR, or %1/kelvora-%2 of this user&apos;s, mode 700): running without the single-instance hand-over
</source>
        <translation>kelvora: нет личной папки времени выполнения (XDG_RUNTIME_DIR или %1/kelvora-%2 этого пользователя с правами 700): работа без передачи файлов единственному экземпляру
</translation>
    </message>
    <message>
        <source>kelvora: cannot listen on %1: %2
</source>
        <translation>kelvora: не удаётся прослушивать %1: %2
</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Waiting Convertion...</source>
        <translation>Ожидание...</translation>
    </message>
    <message>
        <source>Unknown Format!</source>
        <translation>Неизвестный формат!</translation>
    </message>
    <message>
        <source>Convertion Completed!</source>
        <translation>Преобразовано!</translation>
    </message>
    <message>
        <source>User Canceled!</source>
        <translation>Отменено!</translation>
    </message>
    <message>
        <source>Convertion Failed!</source>
        <translation>Сбой преобразования!</translation>
    </message>
    <message>
        <source>Converter Not Found!</source>
        <translation>Конвертер не найден!</translation>
    </message>
    <message>
        <source>Output Equals Input!</source>
        <translation>Совпадает с входным!</translation>
    </message>
    <message>
        <source>Invalid Saving Folder!</source>
        <translation>Неверная папка!</translation>
    </message>
    <message>
        <source>Partly Converted</source>
        <translation>Преобразовано частично</translation>
    </message>
    <message>
        <source>Already Converted</source>
        <translation>Уже преобразован</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Browse
Select a folder for target files</source>
        <translation>Обзор
Выбрать папку для преобразованных файлов</translation>
    </message>
    <message>
        <source>Browse
Select a folder to target files</source>
        <translation>Обзор
Выбрать папку для преобразованных файлов</translation>
    </message>
    <message>
        <source>Open Folder
Open the saving folder of target files</source>
        <translation>Открыть папку
Открыть папку сохранения преобразованных файлов</translation>
    </message>
    <message>
        <source>Open Folder
Open the target files saving folder</source>
        <translation>Открыть папку
Открыть папку с преобразованными файлами</translation>
    </message>
    <message>
        <source>Add files to the list
Add a file to convertion list</source>
        <translation>Добавить файлы в список
Добавить файл в список для преобразования</translation>
    </message>
    <message>
        <source>Add the media files of a folder
Add all media files from a folder</source>
        <translation>Добавить медиафайлы из папки
Добавить все медиафайлы из папки</translation>
    </message>
    <message>
        <source>Remove every file from the list
Remove all listed files</source>
        <translation>Убрать все файлы из списка
Очистить список</translation>
    </message>
    <message>
        <source>Convert the ticked files
Convert listed files</source>
        <translation>Преобразовать отмеченные файлы
Преобразовать файлы из списка</translation>
    </message>
    <message>
        <source>Convert the ticked files
Start converting</source>
        <translation>Преобразовать отмеченные файлы
Начать преобразование</translation>
    </message>
    <message>
        <source>Skip the file being converted
Skip Current Media File</source>
        <translation>Пропустить преобразуемый файл
Пропустить текущий файл</translation>
    </message>
    <message>
        <source>Stop converting
Stop all convertion</source>
        <translation>Остановить преобразование
Остановить все преобразования</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora</source>
        <translation>Сведения о программе и версия
О программе Kelvora</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora 1.0</source>
        <translation>Сведения о программе и версия
О программе Kelvora 1.0</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Kelvora Already Running!</source>
        <translation>Kelvora уже работает!</translation>
    </message>
    <message>
        <source>Browse a folder for target media files</source>
        <translation>Выбрать папку для преобразованных файлов</translation>
    </message>
    <message>
        <source>Open the target files saving folder</source>
        <translation>Открыть папку с преобразованными файлами</translation>
    </message>
    <message>
        <source>Saving Folder:</source>
        <translation>Сохранять в:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Solution:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>The help could not be opened: no viewer for %1 and no browser for %2.</source>
        <translation>Не удалось открыть справку: нет программы просмотра для %1 и браузера для %2.</translation>
    </message>
    <message>
        <source>Browse for Target File Saving Folder</source>
        <translation>Выбор папки для сохранения файлов</translation>
    </message>
    <message>
        <source>The Folder not exist!</source>
        <translation>Папка не существует!</translation>
    </message>
    <message>
        <source>No File Selected!</source>
        <translation>Файлы не выбраны!</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Adds, removes and converts the listed files</source>
        <translation>Добавляет, удаляет и преобразует файлы списка</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Медиафайлы</translation>
    </message>
    <message>
        <source>The files to convert, each with its status</source>
        <translation>Файлы для преобразования, каждый со своим состоянием</translation>
    </message>
    <message>
        <source>Saving Folder</source>
        <translation>Папка сохранения</translation>
    </message>
    <message>
        <source>Where the converted files are written</source>
        <translation>Куда записываются преобразованные файлы</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Решение</translation>
    </message>
    <message>
        <source>The format the files are converted to</source>
        <translation>Формат, в который преобразуются файлы</translation>
    </message>
    <message>
        <source>Choose a Solution</source>
        <translation>Выбрать решение</translation>
    </message>
    <message>
        <source>Opens the list of Solutions</source>
        <translation>Открывает список решений</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Пакет</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Ход пакета</translation>
    </message>
</context>
</TS>
