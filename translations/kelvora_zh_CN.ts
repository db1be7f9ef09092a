<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>About Kelvora</source>
        <translation>关于 Kelvora</translation>
    </message>
    <message>
        <source>Kelvora, Version 1.0</source>
        <translation>Kelvora，版本 1.0</translation>
    </message>
    <message>
        <source>Contact us if any questions:</source>
        <translation>如有任何问题，请联系我们：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Adding</name>
    <message>
        <source>1 file was not added because its name is not valid UTF-8:</source>
        <translation>1 个文件未添加，因为其名称不是有效的 UTF-8：</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added because their names are not valid UTF-8:</source>
        <translation>
            <numerusform>%n 个文件未添加，因为其名称不是有效的 UTF-8：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... 以及其他 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 and %n more</source>
        <translation>
            <numerusform>%1：%2 以及其他 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file with another extension</source>
        <translation>1 个其他扩展名的文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files with other extensions</source>
        <translation>
            <numerusform>%n 个其他扩展名的文件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file already listed</source>
        <translation>1 个文件已在列表中</translation>
    </message>
    <message numerus="yes">
        <source>%n files already listed</source>
        <translation>
            <numerusform>%n 个文件已在列表中</numerusform>
        </translation>
    </message>
    <message>
        <source>1 name that is not valid UTF-8</source>
        <translation>1 个不是有效 UTF-8 的名称</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8</source>
        <translation>
            <numerusform>%n 个不是有效 UTF-8 的名称</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file or folder that cannot be read</source>
        <translation>1 个无法读取的文件或文件夹</translation>
    </message>
    <message numerus="yes">
        <source>%n files or folders that cannot be read</source>
        <translation>
            <numerusform>%n 个无法读取的文件或文件夹</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n media files added!</source>
        <translation>
            <numerusform>已添加 %n 个媒体文件！</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item was not added: %1</source>
        <translation>1 个项目未添加：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n items were not added: %1</source>
        <translation>
            <numerusform>%n 个项目未添加：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>a web address (%1)</source>
        <translation>网址（%1）</translation>
    </message>
    <message>
        <source>a remote file (%1)</source>
        <translation>远程文件（%1）</translation>
    </message>
    <message>
        <source>a file that no longer exists (%1)</source>
        <translation>已不存在的文件（%1）</translation>
    </message>
    <message>
        <source>All files(*.*) (*)</source>
        <translation>所有文件(*.*) (*)</translation>
    </message>
    <message>
        <source>All media files (%1)</source>
        <translation>所有媒体文件 (%1)</translation>
    </message>
    <message>
        <source>Mpeg-4 Video(*.mp4) (*.mp4)</source>
        <translation>MPEG-4 视频(*.mp4) (*.mp4)</translation>
    </message>
    <message>
        <source>DVD Video(*.vob) (*.vob)</source>
        <translation>DVD 视频(*.vob) (*.vob)</translation>
    </message>
    <message>
        <source>Windows Media Audio(*.wma) (*.wma)</source>
        <translation>Windows Media 音频(*.wma) (*.wma)</translation>
    </message>
    <message>
        <source>Windows Media Video(*.wmv) (*.wmv)</source>
        <translation>Windows Media 视频(*.wmv) (*.wmv)</translation>
    </message>
    <message>
        <source>Flash Video(*.flv) (*.flv)</source>
        <translation>Flash 视频(*.flv) (*.flv)</translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3) (*.mp3)</source>
        <translation>MP3 文件(*.mp3) (*.mp3)</translation>
    </message>
    <message>
        <source>Audio Video Interleave Files(*.avi) (*.avi)</source>
        <translation>AVI 音视频交错文件(*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding Files(*.aac) (*.aac)</source>
        <translation>AAC 高级音频编码文件(*.aac) (*.aac)</translation>
    </message>
    <message>
        <source>Advanced System Format Files(*.asf) (*.asf)</source>
        <translation>ASF 高级系统格式文件(*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>AC3 Audio Files(*.ac3) (*.ac3)</source>
        <translation>AC3 音频文件(*.ac3) (*.ac3)</translation>
    </message>
    <message>
        <source>VCD Files(*.dat) (*.dat)</source>
        <translation>VCD 文件(*.dat) (*.dat)</translation>
    </message>
    <message>
        <source>Video Transport Stream(*.ts) (*.ts)</source>
        <translation>视频传输流(*.ts) (*.ts)</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Adding media files...</source>
        <translation>正在添加媒体文件...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Adding media files... %1 of %2</source>
        <translation>正在添加媒体文件... %1/%2</translation>
    </message>
    <message>
        <source>Include sub folders</source>
        <translation>包括子文件夹</translation>
    </message>
    <message>
        <source>1 link to a folder not followed</source>
        <translation>未跟随 1 个指向文件夹的链接</translation>
    </message>
    <message numerus="yes">
        <source>%n links to folders not followed</source>
        <translation>
            <numerusform>未跟随 %n 个指向文件夹的链接</numerusform>
        </translation>
    </message>
    <message>
        <source>1 media file in a sub folder: tick Include sub folders</source>
        <translation>子文件夹中有 1 个媒体文件：请勾选“包括子文件夹”</translation>
    </message>
    <message numerus="yes">
        <source>%n media files in sub folders: tick Include sub folders</source>
        <translation>
            <numerusform>子文件夹中有 %n 个媒体文件：请勾选“包括子文件夹”</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a folder to watch</source>
        <translation>选择要监视的文件夹</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Converting 1 file</source>
        <translation>正在转换 1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files</source>
        <translation>
            <numerusform>正在转换 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 个失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files done</source>
        <translation>
            <numerusform>已完成 %1/%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>已暂停：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>已转换 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>已取消 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message numerus="yes">
        <source>%n partly converted</source>
        <translation>
            <numerusform>部分转换 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>无法连接系统总线。</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted</source>
        <translation>
            <numerusform>%n 个已转换过</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not there)</source>
        <translation>%1（不存在）</translation>
    </message>
    <message>
        <source>Watching: %1</source>
        <translation>正在监视：%1</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>立即关机</translation>
    </message>
    <message>
        <source>Suspend Now</source>
        <translation>立即挂起</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>转换已结束。计算机将在 %n 秒后关机。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer is suspended in %n seconds.</source>
        <translation>
            <numerusform>转换已结束。计算机将在 %n 秒后挂起。</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer could not be powered off: %1</source>
        <translation>无法关闭计算机：%1</translation>
    </message>
    <message>
        <source>The computer could not be suspended: %1</source>
        <translation>无法挂起计算机：%1</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>option --output needs a folder</source>
        <translation>选项 --output 需要一个文件夹</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation>--jobs 的值应为 1 到 64 之间的数字，而不是“%1”</translation>
    </message>
    <message>
        <source>--size takes 1080p, 720p, 480p or keep, not &apos;%1&apos;</source>
        <translation>--size 的值应为 1080p、720p、480p 或 keep，而不是“%1”</translation>
    </message>
    <message>
        <source>option --from needs a list file, or - for standard input</source>
        <translation>选项 --from 需要一个列表文件，或用 - 表示标准输入</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1: 无法写入标准输出: %2
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
请尝试执行“%1 --help”来获取更多信息。
</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>无法读取列表 %1: %2</translation>
    </message>
    <message>
        <source>Not started: the batch was stopped</source>
        <translation>未开始：批处理已停止</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 not converted, in %4</source>
        <translation>共 %1 个文件：已转换 %2 个，未转换 %3 个，用时 %4</translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <translation>；被 %1 停止</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>没有该文件</translation>
    </message>
    <message>
        <source>%1 %2%  %3/%4 files done  elapsed %5  left %6</source>
        <translation>%1 %2%  已完成 %3/%4 个文件  已用 %5  剩余 %6</translation>
    </message>
    <message>
        <source>%1: cannot install the signal handlers
</source>
        <translation>%1: 无法安装信号处理程序
</translation>
    </message>
    <message>
        <source>no preset given (--preset ID|NAME; see --list-presets)</source>
        <translation>未指定预设（--preset ID|名称；参见 --list-presets）</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are:
%2</source>
        <translation>未知预设“%1”；可用的预设有：
%2</translation>
    </message>
    <message>
        <source>ambiguous preset &apos;%1&apos;; the presets it matches are:
%2</source>
        <translation>预设“%1”有歧义；与之匹配的预设有：
%2</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be made or written to</source>
        <translation>无法创建或写入输出文件夹 %1</translation>
    </message>
    <message>
        <source>no files to convert</source>
        <translation>没有要转换的文件</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 partly converted, %4 not converted, in %5</source>
        <translation>%1 个文件：已转换 %2 个，部分转换 %3 个，未转换 %4 个，用时 %5</translation>
    </message>
    <message>
        <source>option --watch needs a folder</source>
        <translation>选项 --watch 需要一个文件夹</translation>
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
        <translation>用法：kelvora-convert --preset ID|名称 [选项]... 文件|文件夹...
  或：kelvora-convert --preset ID|名称 [选项]... --from 列表
  或：kelvora-convert --preset ID|名称 [选项]... --watch 文件夹 [文件|文件夹]...
不打开窗口，使用 Kelvora 的预设转换媒体文件。

每个文件的转换器命令行、输出文件命名和状态都与 Kelvora 窗口中的相同。
文件夹参数会像“添加文件夹”那样加入其中的媒体文件（扩展名不区分大小写；隐藏的
文件和文件夹会被跳过）；未加入的内容会在标准错误输出中列出。

选项：
  -p, --preset ID|名称  目标格式：预设编号、预设在菜单中或“预设”框中的名称
                        （英文，不区分大小写），或只有一个预设含有的名称片段
                        （&quot;wmv&quot;、&quot;ipod - high&quot;）
  -o, --output 目录     保存文件夹（默认为当前文件夹）；不存在时会自动创建
  -j, --jobs N          同时转换 N 个文件，1 到 64
                        （默认为每个处理器核心一个，最多 8 个）
      --size 尺寸       对支持尺寸限制的预设，画面的最大高度：1080p、720p、
                        480p 或 keep（默认为 keep）
      --from 列表       同时转换列表文件中的路径，每行一个（&quot;-&quot; 表示读取标准
                        输入）；相对路径以当前文件夹为基准
  -r, --recursive       文件夹参数同时加入其子文件夹中的媒体文件，每个输出
                        文件放到输出文件夹下相同的相对路径（按需创建文件夹）
      --flat            所有输出文件直接放入输出文件夹
      --skip-existing   输出文件（其输出文件夹中的同名文件）已存在的文件不再
                        转换，报告为 &quot;Already Converted&quot;
      --watch 文件夹    通过内核的文件通知（inotify）监视文件夹（可多次给出以
                        监视多个文件夹；加 -r 时也监视其子文件夹），并在每个
                        到达的媒体文件完整后转换它：已写入并关闭或被移入，且
                        大小两秒内未变。隐藏文件和未完成的文件永不采用；启动
                        时已有的文件视为已到达，并且与 --skip-existing 一样，
                        输出已存在的文件不再转换。一直运行，直到 SIGTERM 或
                        SIGINT
  -0, --null            --from 的列表以 NUL 字符分隔（与 find -print0 的输出
                        相同），用于包含换行符的名称
      --json            每完成一个文件就输出一行 JSON 对象：input、output、
                        status、reason、seconds，以及转换器提供时的 speed
                        （每秒处理的媒体秒数）
                        对于已转换的文件，reason 列出其输出无法容纳的流
      --no-keep-dates   为每个输出使用当前时间，而不是其输入的修改时间
      --no-inhibit      批处理期间允许计算机在空闲时休眠
                        （默认在运行期间阻止休眠）
      --list-presets    列出每个预设的编号、分组、名称以及转换器能否生成，
                        然后退出
  -h, --help            显示此帮助信息并退出
      --version         显示版本信息并退出
      --                其后的每个参数都是文件或文件夹，即使以 - 开头

在终端中，一行动态显示每个正在转换的文件，并以进度条显示已完成的文件、已用时间
和剩余时间；否则每完成一个文件就输出一行。汇总信息输出到标准错误。Ctrl-C、
SIGTERM 或 SIGHUP（终端被关闭）会立即停止：正在进行的转换会结束，且不会留下
不完整的文件。Ctrl-Z 会将正在进行的转换连同程序一起暂停，fg 可使其继续。

退出状态：
  0    所有文件均已转换或先前已转换
  1    有文件未转换（失败、格式未知或未开始），或无法写入标准输出
  2    用法错误：未知选项或预设、没有文件、输出文件夹不可写
  129  被 SIGHUP 停止
  130  被 SIGINT (Ctrl-C) 停止
  143  被 SIGTERM 停止

示例：
  kelvora-convert --preset wmv --output ~/converted ~/Videos
  kelvora-convert -p 24 -r --skip-existing -o ~/Music/mp3 ~/Music/flac
  kelvora-convert -p 24 -o ~/Converted --watch ~/Incoming
  find /media -name &apos;*.mp4&apos; -print0 | kelvora-convert -p 19 --null --from -
</translation>
    </message>
    <message>
        <source>%1: watching %2
</source>
        <translation>%1：正在监视 %2
</translation>
    </message>
    <message>
        <source>%1: %2: %3; it is watched again when it is back
</source>
        <translation>%1：%2：%3；它恢复后将重新监视
</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 already converted, %4 not converted, in %5</source>
        <translation>%1 个文件：%2 个已转换，%3 个先前已转换，%4 个未转换，用时 %5</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be a watched folder</source>
        <translation>输出文件夹 %1 不能是被监视的文件夹</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Media Converter</source>
        <translation>媒体转换器</translation>
    </message>
    <message>
        <source>Convert audio and video files to another format in one batch</source>
        <translation>批量将音频和视频文件转换为其他格式</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统的内存
或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝了
对指定文件的访问。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成此操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 文件无效
（不是 Win32 .EXE，或 .EXE 映像有错误）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件名关联
不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE 事务无法完成，
因为请求超时。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE 事务无法完成，
因为正在处理其他
DDE 事务。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与该文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>发生未知错误（%1）。</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>无法打开超链接：

%1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Target Format</source>
        <translation>目标格式</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在转换...</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File </source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>E&amp;xit                  </source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Convertion</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>全部转换</translation>
    </message>
    <message>
        <source>Convert Selected Files</source>
        <translation>转换选中的文件</translation>
    </message>
    <message>
        <source>Retry Failed Files</source>
        <translation>重试失败的文件</translation>
    </message>
    <message>
        <source>Pause Convertion</source>
        <translation>暂停转换</translation>
    </message>
    <message>
        <source>Stop Current Convertion</source>
        <translation>停止当前转换</translation>
    </message>
    <message>
        <source>Stop All Convertion</source>
        <translation>停止全部转换</translation>
    </message>
    <message>
        <source>Select Failed Files</source>
        <translation>选中失败的文件</translation>
    </message>
    <message>
        <source>Simultaneous Conversions</source>
        <translation>同时转换数</translation>
    </message>
    <message>
        <source>One at a Time</source>
        <translation>一次一个</translation>
    </message>
    <message>
        <source>2 at a Time</source>
        <translation>一次 2 个</translation>
    </message>
    <message>
        <source>4 at a Time</source>
        <translation>一次 4 个</translation>
    </message>
    <message>
        <source>As Many as Processor Cores</source>
        <translation>与处理器核心数相同</translation>
    </message>
    <message>
        <source>Modern Video Size</source>
        <translation>现代视频尺寸</translation>
    </message>
    <message>
        <source>Keep Size</source>
        <translation>保持原尺寸</translation>
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
        <translation>防止计算机休眠</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help(F1)</source>
        <translation>帮助(F1)</translation>
    </message>
    <message>
        <source>&amp;About Kelvora     </source>
        <translation>关于 Kelvora(&amp;A)</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Add Files          </source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>移除所有文件</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Convert All Listed Files</source>
        <translation>转换列表中的所有文件</translation>
    </message>
    <message>
        <source>Skip Current Convertion</source>
        <translation>跳过当前转换</translation>
    </message>
    <message>
        <source>Cancel This File</source>
        <translation>取消此文件</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Keep Original File Dates</source>
        <translation>保留原始文件日期</translation>
    </message>
    <message>
        <source>Resume Convertion</source>
        <translation>继续转换</translation>
    </message>
    <message>
        <source>Watch Folder...</source>
        <translation>监视文件夹...</translation>
    </message>
    <message>
        <source>Stop Watching Folders</source>
        <translation>停止监视文件夹</translation>
    </message>
    <message>
        <source>Convert As They Arrive</source>
        <translation>到达即转换</translation>
    </message>
    <message>
        <source>Make a New Name</source>
        <translation>使用新名称</translation>
    </message>
    <message>
        <source>Skip the File</source>
        <translation>跳过该文件</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>不执行操作</translation>
    </message>
    <message>
        <source>Quit Kelvora</source>
        <translation>退出 Kelvora</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>挂起</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Only If All Succeeded</source>
        <translation>仅当全部成功时</translation>
    </message>
    <message>
        <source>When the Output Exists</source>
        <translation>输出文件已存在时</translation>
    </message>
    <message>
        <source>When Done</source>
        <translation>完成后</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>1 file converted</source>
        <translation>已转换 1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>已转换 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 failed, %3 canceled</source>
        <translation>%1，%2 个失败，%3 个已取消</translation>
    </message>
    <message>
        <source>Kelvora: the batch has ended</source>
        <translation>Kelvora：批处理已结束</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n partly converted</source>
        <translation>
            <numerusform>%1，部分转换 %n 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>General Video</source>
        <translation>常用视频</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media 视频 (*.wmv)</translation>
    </message>
    <message>
        <source>wmv file</source>
        <translation>WMV 文件</translation>
    </message>
    <message>
        <source>Divx Video (*.avi)</source>
        <translation>DivX 视频 (*.avi)</translation>
    </message>
    <message>
        <source>AVI - Audio-Video Interleave (*.avi)</source>
        <translation>AVI - 音视频交错格式 (*.avi)</translation>
    </message>
    <message>
        <source>avi file</source>
        <translation>AVI 文件</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - 高级流格式 (*.asf)</translation>
    </message>
    <message>
        <source>asf file</source>
        <translation>ASF 文件</translation>
    </message>
    <message>
        <source>MPEG1 Movie (*.mpg)</source>
        <translation>MPEG1 影片 (*.mpg)</translation>
    </message>
    <message>
        <source>mpg file</source>
        <translation>MPG 文件</translation>
    </message>
    <message>
        <source>MPEG2 Movie (*.vob)</source>
        <translation>MPEG2 影片 (*.vob)</translation>
    </message>
    <message>
        <source>vob file</source>
        <translation>VOB 文件</translation>
    </message>
    <message>
        <source>MPEG4 Movie (*.mp4)</source>
        <translation>MPEG4 影片 (*.mp4)</translation>
    </message>
    <message>
        <source>mp4 file</source>
        <translation>MP4 文件</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>常用音频</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media 音频 (*.wma)</translation>
    </message>
    <message>
        <source>wma file</source>
        <translation>WMA 文件</translation>
    </message>
    <message>
        <source>Mp3 - Mpeg Audio Layer3 (*.mp3)</source>
        <translation>MP3 - MPEG Audio Layer 3 (*.mp3)</translation>
    </message>
    <message>
        <source>Mp3 Audio (*.mp3)</source>
        <translation>MP3 音频 (*.mp3)</translation>
    </message>
    <message>
        <source>mp3 file</source>
        <translation>MP3 文件</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>手机</translation>
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
        <translation>3GP 文件</translation>
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
        <translation>3G2 文件</translation>
    </message>
    <message>
        <source>BlackBerry 3GP (*.3gp)</source>
        <translation>BlackBerry 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>BlackBerry 3GP file</source>
        <translation>BlackBerry 3GP 文件</translation>
    </message>
    <message>
        <source>Apple iPod</source>
        <translation>Apple iPod</translation>
    </message>
    <message>
        <source>iPod - High Quarlity (*.mp4)</source>
        <translation>iPod - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - High Quarlity (*.mp4)</source>
        <translation>APPLE iPod - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Normal Quarlity (*.mp4)</source>
        <translation>iPod - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPod - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Low Quarlity (*.mp4)</source>
        <translation>iPod - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPod - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>Apple iPhone</source>
        <translation>Apple iPhone</translation>
    </message>
    <message>
        <source>iPhone - High Quarlity (*.mp4)</source>
        <translation>iPhone - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - High Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Normal Quarlity (*.mp4)</source>
        <translation>iPhone - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Low Quarlity (*.mp4)</source>
        <translation>iPhone - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>Sony PSP/PS3</source>
        <translation>Sony PSP/PS3</translation>
    </message>
    <message>
        <source>PSP - High Quarlity (*.mp4)</source>
        <translation>PSP - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - High Quarlity (*.mp4)</source>
        <translation>SONY PSP - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Normal Quarlity (*.mp4)</source>
        <translation>PSP - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Normal Quarlity (*.mp4)</source>
        <translation>SONY PSP - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Low Quarlity (*.mp4)</source>
        <translation>PSP - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Low Quarlity (*.mp4)</source>
        <translation>SONY PSP - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - High Quarlity (*.mp4)</source>
        <translation>PS3 - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - High Quarlity (*.mp4)</source>
        <translation>SONY PS3 - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Normal Quarlity (*.mp4)</source>
        <translation>PS3 - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Normal Quarlity (*.mp4)</source>
        <translation>SONY PS3 - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Low Quarlity (*.mp4)</source>
        <translation>PS3 - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Low Quarlity (*.mp4)</source>
        <translation>SONY PS3 - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>DV - Digital Video (*.dv)</source>
        <translation>DV - 数字视频 (*.dv)</translation>
    </message>
    <message>
        <source>dv file</source>
        <translation>DV 文件</translation>
    </message>
    <message>
        <source>Modern Video</source>
        <translation>现代视频</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - 高质量 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - 普通质量 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - 低质量 (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - High Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - 高质量 (*.webm)</translation>
    </message>
    <message>
        <source>webm file</source>
        <translation>WebM 文件</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Normal Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - 普通质量 (*.webm)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Low Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - 低质量 (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - High Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - 高质量 (*.mkv)</translation>
    </message>
    <message>
        <source>mkv file</source>
        <translation>MKV 文件</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Normal Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - 普通质量 (*.mkv)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Low Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - 低质量 (*.mkv)</translation>
    </message>
    <message>
        <source>Same Quality</source>
        <translation>原始质量</translation>
    </message>
    <message>
        <source>MKV - Keep Streams, No Re-encoding (*.mkv)</source>
        <translation>MKV - 保留原始流，不重新编码 (*.mkv)</translation>
    </message>
    <message>
        <source>MP4 - Keep Streams, No Re-encoding (*.mp4)</source>
        <translation>MP4 - 保留原始流，不重新编码 (*.mp4)</translation>
    </message>
    <message>
        <source>Modern Audio</source>
        <translation>现代音频</translation>
    </message>
    <message>
        <source>M4A - AAC (*.m4a)</source>
        <translation>M4A - AAC (*.m4a)</translation>
    </message>
    <message>
        <source>m4a file</source>
        <translation>M4A 文件</translation>
    </message>
    <message>
        <source>Opus (*.opus)</source>
        <translation>Opus (*.opus)</translation>
    </message>
    <message>
        <source>opus file</source>
        <translation>Opus 文件</translation>
    </message>
    <message>
        <source>FLAC - Lossless (*.flac)</source>
        <translation>FLAC - 无损 (*.flac)</translation>
    </message>
    <message>
        <source>flac file</source>
        <translation>FLAC 文件</translation>
    </message>
    <message>
        <source>MP3 - High Quality VBR (*.mp3)</source>
        <translation>MP3 - 高质量 VBR (*.mp3)</translation>
    </message>
    <message>
        <source>WAV - Uncompressed (*.wav)</source>
        <translation>WAV - 无压缩 (*.wav)</translation>
    </message>
    <message>
        <source>wav file</source>
        <translation>WAV 文件</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Media Information</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>Video Information</source>
        <translation>视频信息</translation>
    </message>
    <message>
        <source>Audio Information</source>
        <translation>音频信息</translation>
    </message>
    <message>
        <source>Media Duration</source>
        <translation>媒体时长</translation>
    </message>
    <message>
        <source>Media Bitrate</source>
        <translation>媒体比特率</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>视频格式</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>视频分辨率</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Audio Format</source>
        <translation>音频格式</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Attached file</source>
        <translation>附加文件</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 个声道</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n 个声道</numerusform>
        </translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>图形</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>强制</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>编解码器</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>流</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>No saving folder is chosen</source>
        <translation>未选择保存文件夹</translation>
    </message>
    <message>
        <source>%1: the saving folder is not an absolute path</source>
        <translation>%1：保存文件夹不是绝对路径</translation>
    </message>
    <message>
        <source>%1: no free temporary name</source>
        <translation>%1：没有可用的临时文件名</translation>
    </message>
    <message>
        <source>%1: the saving folder cannot be created</source>
        <translation>%1：无法创建保存文件夹</translation>
    </message>
    <message>
        <source>The converter wrote no output file</source>
        <translation>转换器没有写出输出文件</translation>
    </message>
    <message>
        <source>The converter wrote an empty output file</source>
        <translation>转换器写出了空的输出文件</translation>
    </message>
    <message>
        <source>The converter&apos;s output cannot be read as media</source>
        <translation>转换器的输出无法作为媒体读取</translation>
    </message>
    <message>
        <source>The converter&apos;s output holds no audio or video</source>
        <translation>转换器的输出不含音频或视频</translation>
    </message>
    <message>
        <source>The converter has no %1 encoder.</source>
        <translation>转换器没有 %1 编码器。</translation>
    </message>
    <message>
        <source>The converter has neither the %1 nor the %2 encoder.</source>
        <translation>转换器既没有 %1 编码器，也没有 %2 编码器。</translation>
    </message>
    <message>
        <source>The converter did not list its encoders.</source>
        <translation>转换器没有列出其编码器。</translation>
    </message>
    <message>
        <source>The file holds a stream that cannot be decoded</source>
        <translation>文件包含无法解码的流</translation>
    </message>
    <message>
        <source>The file&apos;s audio codec (%1) cannot be decoded</source>
        <translation>文件的音频编解码器（%1）无法解码</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be decoded</source>
        <translation>文件的视频编解码器（%1）无法解码</translation>
    </message>
    <message>
        <source>The file&apos;s codec %1 cannot be decoded</source>
        <translation>文件的编解码器 %1 无法解码</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>The disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>The output is too large for the saving folder&apos;s file system</source>
        <translation>输出文件过大，保存文件夹所在的文件系统无法容纳</translation>
    </message>
    <message>
        <source>The saving folder is on a read-only disk</source>
        <translation>保存文件夹位于只读磁盘上</translation>
    </message>
    <message>
        <source>The disk cannot be read or written (input/output error)</source>
        <translation>无法读写磁盘（输入/输出错误）</translation>
    </message>
    <message>
        <source>The converter ran out of memory</source>
        <translation>转换器内存不足</translation>
    </message>
    <message>
        <source>The file is damaged at %1</source>
        <translation>文件在 %1 处损坏</translation>
    </message>
    <message>
        <source>The file is damaged</source>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>The converter crashed (segmentation fault)</source>
        <translation>转换器崩溃（段错误）</translation>
    </message>
    <message>
        <source>The converter crashed (bus error)</source>
        <translation>转换器崩溃（总线错误）</translation>
    </message>
    <message>
        <source>The converter crashed (illegal instruction)</source>
        <translation>转换器崩溃（非法指令）</translation>
    </message>
    <message>
        <source>The converter crashed (arithmetic fault)</source>
        <translation>转换器崩溃（算术错误）</translation>
    </message>
    <message>
        <source>The converter crashed (aborted)</source>
        <translation>转换器崩溃（已中止）</translation>
    </message>
    <message>
        <source>The converter was killed (%1)</source>
        <translation>转换器被强制终止（%1）</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>信号 %1</translation>
    </message>
    <message>
        <source>The encoder for %1 is not installed</source>
        <translation>未安装 %1 的编码器</translation>
    </message>
    <message>
        <source>The encoder cannot make this file with the preset&apos;s settings</source>
        <translation>编码器无法按该预设的设置生成此文件</translation>
    </message>
    <message>
        <source>The file holds no audio or video stream</source>
        <translation>文件不含音频流或视频流</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be converted</source>
        <translation>文件的视频编解码器（%1）无法转换</translation>
    </message>
    <message>
        <source>The file&apos;s streams cannot be read</source>
        <translation>无法读取文件中的流</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The file cannot be read (%1)</source>
        <translation>无法读取文件（%1）</translation>
    </message>
    <message>
        <source>Not a media file, or damaged</source>
        <translation>不是媒体文件，或文件已损坏</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8</source>
        <translation>名称不是有效的 UTF-8</translation>
    </message>
    <message>
        <source>The encoder refused these settings: %1</source>
        <translation>编码器拒绝了这些设置：%1</translation>
    </message>
    <message>
        <source>The converter went on running after closing its output</source>
        <translation>转换器关闭输出后仍在运行</translation>
    </message>
    <message>
        <source>The converter stopped with exit status %1</source>
        <translation>转换器以退出状态 %1 停止</translation>
    </message>
    <message>
        <source>A picture subtitle track cannot go into %1</source>
        <translation>一条图形字幕轨无法放入 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n 条图形字幕轨无法放入 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A subtitle track cannot go into %1</source>
        <translation>一条字幕轨无法放入 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n 条字幕轨无法放入 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>An attached file cannot go into %1</source>
        <translation>一个附加文件无法放入 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attached files cannot go into %1</source>
        <translation>
            <numerusform>%n 个附加文件无法放入 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>HDR is written without tone mapping: the converter has no zscale filter</source>
        <translation>HDR 未经色调映射即写入：转换器没有 zscale 滤镜</translation>
    </message>
    <message>
        <source>the input file ends early</source>
        <translation>输入文件提前结束</translation>
    </message>
    <message>
        <source>Partly converted: %1</source>
        <translation>部分转换：%1</translation>
    </message>
    <message>
        <source>Converted %1 of %2: %3</source>
        <translation>已转换 %1 / %2：%3</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 已存在</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made: %2</source>
        <translation>%1：无法创建文件夹：%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list?</source>
        <translation>Kelvora 上次未正常关闭。是否恢复上次列表中的 1 个文件？</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list?</source>
        <translation>
            <numerusform>Kelvora 上次未正常关闭。是否恢复上次列表中的 %n 个文件？</numerusform>
        </translation>
    </message>
    <message>
        <source>These files no longer exist and were left out of the list:</source>
        <translation>以下文件已不存在，未加入列表：</translation>
    </message>
    <message>
        <source>kelvora: the session file %1 cannot be read; it was moved to %2</source>
        <translation>kelvora：无法读取会话文件 %1；已将其移至 %2</translation>
    </message>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list? It was still to be converted; if it was cut short, it starts over.</source>
        <translation>Kelvora 未正常关闭。要恢复上次列表中的 1 个文件吗？它尚未转换完；如果转换被中断，将从头开始。</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list? %1 of them were still to be converted; files cut short start over.</source>
        <translation>
            <numerusform>Kelvora 未正常关闭。要恢复上次列表中的 %n 个文件吗？其中 %1 个尚未转换完；被中断的文件将从头开始。</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore and &amp;Go On Converting</source>
        <translation>恢复并继续转换(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Restore Only</source>
        <translation>仅恢复(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>Cut short when Kelvora ended: it starts over from the beginning</source>
        <translation>Kelvora 结束时被中断：将从头开始</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>kelvora: %1: no such file or folder
</source>
        <translation>kelvora: %1: 没有该文件或文件夹
</translation>
    </message>
    <message>
        <source>kelvora: cannot catch the stop signals
</source>
        <translation>kelvora: 无法捕获停止信号
</translation>
    </message>
    <message>
        <source>kelvora: no private runtime folder (XDG_RUNTIME_DIR, or %1/kelvora-%2 of this user&apos;s, mode 700): running without the single-instance hand-over
</source>
        <translation>kelvora: 没有私有的运行时文件夹（XDG_RUNTIME_DIR，或此用户的 %1/kelvora-%2，权限 700）：将不使用单实例移交功能运行
</translation>
    </message>
    <message>
        <source>kelvora: cannot listen on %1: %2
</source>
        <translation>kelvora: 无法在 %1 上监听: %2
</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Waiting Convertion...</source>
        <translation>等待转换...</translation>
    </message>
    <message>
        <source>Unknown Format!</source>
        <translation>未知格式！</translation>
    </message>
    <message>
        <source>Convertion Completed!</source>
        <translation>转换完成！</translation>
    </message>
    <message>
        <source>User Canceled!</source>
        <translation>用户已取消！</translation>
    </message>
    <message>
        <source>Convertion Failed!</source>
        <translation>转换失败！</translation>
    </message>
    <message>
        <source>Converter Not Found!</source>
        <translation>找不到转换器！</translation>
    </message>
    <message>
        <source>Output Equals Input!</source>
        <translation>输出与输入相同！</translation>
    </message>
    <message>
        <source>Invalid Saving Folder!</source>
        <translation>保存文件夹无效！</translation>
    </message>
    <message>
        <source>Partly Converted</source>
        <translation>部分转换</translation>
    </message>
    <message>
        <source>Already Converted</source>
        <translation>已转换过</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Browse
Select a folder for target files</source>
        <translation>浏览
选择目标文件的保存文件夹</translation>
    </message>
    <message>
        <source>Browse
Select a folder to target files</source>
        <translation>浏览
选择目标文件的保存文件夹</translation>
    </message>
    <message>
        <source>Open Folder
Open the saving folder of target files</source>
        <translation>打开文件夹
打开目标文件的保存文件夹</translation>
    </message>
    <message>
        <source>Open Folder
Open the target files saving folder</source>
        <translation>打开文件夹
打开目标文件保存文件夹</translation>
    </message>
    <message>
        <source>Add files to the list
Add a file to convertion list</source>
        <translation>将文件添加到列表
将文件添加到转换列表</translation>
    </message>
    <message>
        <source>Add the media files of a folder
Add all media files from a folder</source>
        <translation>添加文件夹中的媒体文件
添加文件夹中的所有媒体文件</translation>
    </message>
    <message>
        <source>Remove every file from the list
Remove all listed files</source>
        <translation>从列表中移除所有文件
移除所有列出的文件</translation>
    </message>
    <message>
        <source>Convert the ticked files
Convert listed files</source>
        <translation>转换勾选的文件
转换列出的文件</translation>
    </message>
    <message>
        <source>Convert the ticked files
Start converting</source>
        <translation>转换勾选的文件
开始转换</translation>
    </message>
    <message>
        <source>Skip the file being converted
Skip Current Media File</source>
        <translation>跳过正在转换的文件
跳过当前媒体文件</translation>
    </message>
    <message>
        <source>Stop converting
Stop all convertion</source>
        <translation>停止转换
停止全部转换</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora</source>
        <translation>程序信息和版本
关于 Kelvora</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora 1.0</source>
        <translation>程序信息和版本
关于 Kelvora 1.0</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Kelvora Already Running!</source>
        <translation>Kelvora 已在运行！</translation>
    </message>
    <message>
        <source>Browse a folder for target media files</source>
        <translation>浏览目标媒体文件的保存文件夹</translation>
    </message>
    <message>
        <source>Open the target files saving folder</source>
        <translation>打开目标文件的保存文件夹</translation>
    </message>
    <message>
        <source>Saving Folder:</source>
        <translation>保存文件夹：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Solution:</source>
        <translation>预设：</translation>
    </message>
    <message>
        <source>The help could not be opened: no viewer for %1 and no browser for %2.</source>
        <translation>无法打开帮助：没有用于 %1 的查看器，也没有用于 %2 的浏览器。</translation>
    </message>
    <message>
        <source>Browse for Target File Saving Folder</source>
        <translation>选择目标文件的保存文件夹</translation>
    </message>
    <message>
        <source>The Folder not exist!</source>
        <translation>文件夹不存在！</translation>
    </message>
    <message>
        <source>No File Selected!</source>
        <translation>未选择文件！</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Adds, removes and converts the listed files</source>
        <translation>添加、移除和转换列表中的文件</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>媒体文件</translation>
    </message>
    <message>
        <source>The files to convert, each with its status</source>
        <translation>要转换的文件及其状态</translation>
    </message>
    <message>
        <source>Saving Folder</source>
        <translation>保存文件夹</translation>
    </message>
    <message>
        <source>Where the converted files are written</source>
        <translation>转换后文件的写入位置</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>The format the files are converted to</source>
        <translation>文件转换的目标格式</translation>
    </message>
    <message>
        <source>Choose a Solution</source>
        <translation>选择方案</translation>
    </message>
    <message>
        <source>Opens the list of Solutions</source>
        <translation>打开方案列表</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>批处理进度</translation>
    </message>
</context>
</TS>
