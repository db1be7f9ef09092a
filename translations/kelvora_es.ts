<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>About Kelvora</source>
        <translation>Acerca de Kelvora</translation>
    </message>
    <message>
        <source>Kelvora, Version 1.0</source>
        <translation>Kelvora, versión 1.0</translation>
    </message>
    <message>
        <source>Contact us if any questions:</source>
        <translation>Si tiene dudas, escríbanos:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Adding</name>
    <message>
        <source>1 file was not added because its name is not valid UTF-8:</source>
        <translation>No se añadió 1 archivo porque su nombre no es UTF-8 válido:</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added because their names are not valid UTF-8:</source>
        <translation>
            <numerusform>No se añadió %n archivo porque su nombre no es UTF-8 válido:</numerusform>
            <numerusform>No se añadieron %n archivos porque sus nombres no son UTF-8 válido:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 and %n more</source>
        <translation>
            <numerusform>%1: %2 y %n más</numerusform>
            <numerusform>%1: %2 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file with another extension</source>
        <translation>1 archivo con otra extensión</translation>
    </message>
    <message numerus="yes">
        <source>%n files with other extensions</source>
        <translation>
            <numerusform>%n archivo con otra extensión</numerusform>
            <numerusform>%n archivos con otras extensiones</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file already listed</source>
        <translation>1 archivo que ya está en la lista</translation>
    </message>
    <message numerus="yes">
        <source>%n files already listed</source>
        <translation>
            <numerusform>%n archivo que ya está en la lista</numerusform>
            <numerusform>%n archivos que ya están en la lista</numerusform>
        </translation>
    </message>
    <message>
        <source>1 name that is not valid UTF-8</source>
        <translation>1 nombre que no es UTF-8 válido</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8</source>
        <translation>
            <numerusform>%n nombre que no es UTF-8 válido</numerusform>
            <numerusform>%n nombres que no son UTF-8 válido</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file or folder that cannot be read</source>
        <translation>1 archivo o carpeta que no se puede leer</translation>
    </message>
    <message numerus="yes">
        <source>%n files or folders that cannot be read</source>
        <translation>
            <numerusform>%n archivo o carpeta que no se puede leer</numerusform>
            <numerusform>%n archivos o carpetas que no se pueden leer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n media files added!</source>
        <translation>
            <numerusform>¡Se añadió %n archivo multimedia!</numerusform>
            <numerusform>¡Se añadieron %n archivos multimedia!</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item was not added: %1</source>
        <translation>No se añadió 1 elemento: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items were not added: %1</source>
        <translation>
            <numerusform>No se añadió %n elemento: %1</numerusform>
            <numerusform>No se añadieron %n elementos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a web address (%1)</source>
        <translation>una dirección web (%1)</translation>
    </message>
    <message>
        <source>a remote file (%1)</source>
        <translation>un archivo remoto (%1)</translation>
    </message>
    <message>
        <source>a file that no longer exists (%1)</source>
        <translation>un archivo que ya no existe (%1)</translation>
    </message>
    <message>
        <source>All files(*.*) (*)</source>
        <translation>Todos los archivos (*.*) (*)</translation>
    </message>
    <message>
        <source>All media files (%1)</source>
        <translation>Todos los archivos multimedia (%1)</translation>
    </message>
    <message>
        <source>Mpeg-4 Video(*.mp4) (*.mp4)</source>
        <translation>Vídeo MPEG-4 (*.mp4) (*.mp4)</translation>
    </message>
    <message>
        <source>DVD Video(*.vob) (*.vob)</source>
        <translation>Vídeo DVD (*.vob) (*.vob)</translation>
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
        <translation>Vídeo Flash (*.flv) (*.flv)</translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3) (*.mp3)</source>
        <translation>Archivos MP3 (*.mp3) (*.mp3)</translation>
    </message>
    <message>
        <source>Audio Video Interleave Files(*.avi) (*.avi)</source>
        <translation>Archivos Audio Video Interleave (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding Files(*.aac) (*.aac)</source>
        <translation>Archivos Advanced Audio Coding (*.aac) (*.aac)</translation>
    </message>
    <message>
        <source>Advanced System Format Files(*.asf) (*.asf)</source>
        <translation>Archivos Advanced Systems Format (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>AC3 Audio Files(*.ac3) (*.ac3)</source>
        <translation>Archivos de audio AC3 (*.ac3) (*.ac3)</translation>
    </message>
    <message>
        <source>VCD Files(*.dat) (*.dat)</source>
        <translation>Archivos VCD (*.dat) (*.dat)</translation>
    </message>
    <message>
        <source>Video Transport Stream(*.ts) (*.ts)</source>
        <translation>Flujo de transporte de vídeo (*.ts) (*.ts)</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleccionar una carpeta</translation>
    </message>
    <message>
        <source>Adding media files...</source>
        <translation>Añadiendo archivos multimedia...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adding media files... %1 of %2</source>
        <translation>Añadiendo archivos multimedia... %1 de %2</translation>
    </message>
    <message>
        <source>Include sub folders</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>1 link to a folder not followed</source>
        <translation>1 enlace a una carpeta no seguido</translation>
    </message>
    <message numerus="yes">
        <source>%n links to folders not followed</source>
        <translation>
            <numerusform>%n enlace a una carpeta no seguido</numerusform>
            <numerusform>%n enlaces a carpetas no seguidos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 media file in a sub folder: tick Include sub folders</source>
        <translation>1 archivo multimedia en una subcarpeta: marque Incluir subcarpetas</translation>
    </message>
    <message numerus="yes">
        <source>%n media files in sub folders: tick Include sub folders</source>
        <translation>
            <numerusform>%n archivos multimedia en subcarpetas: marque Incluir subcarpetas</numerusform>
            <numerusform>%n archivos multimedia en subcarpetas: marque Incluir subcarpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a folder to watch</source>
        <translation>Elegir una carpeta para vigilar</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Converting 1 file</source>
        <translation>Convirtiendo 1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files</source>
        <translation>
            <numerusform>Convirtiendo %n archivo</numerusform>
            <numerusform>Convirtiendo %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallido</numerusform>
            <numerusform>%n fallidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files done</source>
        <translation>
            <numerusform>%1 de %n listo</numerusform>
            <numerusform>%1 de %n listos</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pausa: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n convertido</numerusform>
            <numerusform>%n convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>%n cancelado</numerusform>
            <numerusform>%n cancelados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message numerus="yes">
        <source>%n partly converted</source>
        <translation>
            <numerusform>%n convertidos en parte</numerusform>
            <numerusform>%n convertidos en parte</numerusform>
        </translation>
    </message>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>No se puede acceder al bus del sistema.</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted</source>
        <translation>
            <numerusform>%n ya convertido</numerusform>
            <numerusform>%n ya convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not there)</source>
        <translation>%1 (no está)</translation>
    </message>
    <message>
        <source>Watching: %1</source>
        <translation>Vigilando: %1</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Apagar ahora</translation>
    </message>
    <message>
        <source>Suspend Now</source>
        <translation>Suspender ahora</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>La conversión ha terminado. El equipo se apaga en %n segundo.</numerusform>
            <numerusform>La conversión ha terminado. El equipo se apaga en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer is suspended in %n seconds.</source>
        <translation>
            <numerusform>La conversión ha terminado. El equipo se suspende en %n segundo.</numerusform>
            <numerusform>La conversión ha terminado. El equipo se suspende en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer could not be powered off: %1</source>
        <translation>No se pudo apagar el equipo: %1</translation>
    </message>
    <message>
        <source>The computer could not be suspended: %1</source>
        <translation>No se pudo suspender el equipo: %1</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>option --output needs a folder</source>
        <translation>la opción --output necesita una carpeta</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation>--jobs admite un número de 1 a 64, no «%1»</translation>
    </message>
    <message>
        <source>--size takes 1080p, 720p, 480p or keep, not &apos;%1&apos;</source>
        <translation>--size admite 1080p, 720p, 480p o keep, no «%1»</translation>
    </message>
    <message>
        <source>option --from needs a list file, or - for standard input</source>
        <translation>la opción --from necesita un archivo de lista, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1: no se puede escribir en la salida estándar: %2
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>no se puede leer la lista %1: %2</translation>
    </message>
    <message>
        <source>Not started: the batch was stopped</source>
        <translation>Sin iniciar: se detuvo el lote</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 not converted, in %4</source>
        <translation>Archivos: %1; convertidos: %2; sin convertir: %3; tiempo: %4</translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <translation>; detenido por %1</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>No existe el archivo</translation>
    </message>
    <message>
        <source>%1 %2%  %3/%4 files done  elapsed %5  left %6</source>
        <translation>%1 %2%  %3/%4 archivos listos  transcurrido %5  quedan %6</translation>
    </message>
    <message>
        <source>%1: cannot install the signal handlers
</source>
        <translation>%1: no se pueden instalar los manejadores de señales
</translation>
    </message>
    <message>
        <source>no preset given (--preset ID|NAME; see --list-presets)</source>
        <translation>no se indicó ningún perfil (--preset ID|NOMBRE; véase --list-presets)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are:
%2</source>
        <translation>perfil desconocido «%1»; los perfiles son:
%2</translation>
    </message>
    <message>
        <source>ambiguous preset &apos;%1&apos;; the presets it matches are:
%2</source>
        <translation>perfil ambiguo «%1»; coincide con estos perfiles:
%2</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be made or written to</source>
        <translation>no se puede crear la carpeta de destino %1 ni escribir en ella</translation>
    </message>
    <message>
        <source>no files to convert</source>
        <translation>no hay archivos que convertir</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 partly converted, %4 not converted, in %5</source>
        <translation>%1 archivos: %2 convertidos, %3 convertidos en parte, %4 sin convertir, en %5</translation>
    </message>
    <message>
        <source>option --watch needs a folder</source>
        <translation>la opción --watch necesita una carpeta</translation>
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
        <translation>Uso: kelvora-convert --preset ID|NOMBRE [OPCIÓN]... ARCHIVO|CARPETA...
     kelvora-convert --preset ID|NOMBRE [OPCIÓN]... --from LISTA
     kelvora-convert --preset ID|NOMBRE [OPCIÓN]... --watch CARPETA [ARCHIVO|CARPETA]...
Convierte archivos multimedia con los perfiles de Kelvora, sin ventana.

Cada archivo se convierte con la misma línea de órdenes del conversor, los
mismos nombres de salida y los mismos estados que en la ventana de Kelvora. Una
CARPETA añade los archivos multimedia que contiene, como hace Añadir carpeta
(sin distinguir mayúsculas y minúsculas; se omiten los archivos y carpetas
ocultos); lo que queda fuera se indica en la salida de error estándar.

Opciones:
  -p, --preset ID|NOMBRE
                        el formato de destino: el id de un perfil, su texto en
                        inglés del menú o del cuadro Perfil (sin distinguir
                        mayúsculas), o una parte de uno de ellos que solo tenga
                        un perfil (&quot;wmv&quot;, &quot;ipod - high&quot;)
  -o, --output CARPETA  la carpeta de destino (predeterminada: la carpeta
                        actual); se crea si no existe
  -j, --jobs N          convierte N archivos a la vez, de 1 a 64
                        (predeterminado: uno por núcleo del procesador, 8 como
                        máximo)
      --size TAMAÑO     la altura de imagen máxima de los perfiles que la
                        admiten: 1080p, 720p, 480p o keep (predeterminado: keep)
      --from LISTA      convierte también las rutas del archivo LISTA, una por
                        línea (&quot;-&quot; lee la entrada estándar); las rutas relativas
                        parten de la carpeta actual
  -r, --recursive       una CARPETA aporta también los archivos multimedia de
                        sus subcarpetas; cada salida va a la misma ruta relativa
                        bajo la carpeta de salida (las carpetas se crean)
      --flat            cada salida va directamente a la carpeta de salida
      --skip-existing   un archivo cuya salida (el mismo nombre en su carpeta de
                        salida) ya existe no se convierte de nuevo: se informa
                        como &quot;Already Converted&quot;
      --watch CARPETA   vigilar CARPETA (varias veces para varias carpetas; con
                        -r también sus subcarpetas) mediante las notificaciones
                        de archivos del núcleo (inotify) y convertir cada
                        archivo multimedia que llega una vez completo: escrito
                        y cerrado, o movido dentro, y con su tamaño sin cambios
                        durante dos segundos. Nunca se toman archivos ocultos ni
                        parciales; los archivos presentes al inicio cuentan como
                        llegados y, como con --skip-existing, un archivo cuya
                        salida existe no se convierte de nuevo. Funciona hasta
                        SIGTERM o SIGINT
  -0, --null            las listas de --from están separadas por caracteres NUL
                        (como las escribe find -print0), para nombres con saltos
                        de línea
      --json            imprime un objeto JSON por línea por cada archivo
                        terminado: input, output, status, reason, seconds y,
                        si el conversor lo indicó, speed (segundos de contenido
                        por segundo)
                        en un archivo convertido, reason nombra las pistas que
                        su salida no pudo admitir
      --no-keep-dates   fecha cada salida con la hora actual en lugar de la
                        hora de modificación de su entrada
      --no-inhibit      permite que el equipo se suspenda por inactividad
                        durante el lote (de forma predeterminada se impide la
                        suspensión mientras se ejecuta)
      --list-presets    muestra el id, el grupo y el nombre de cada perfil, y si
                        el conversor puede crearlo; después sale
  -h, --help            muestra esta ayuda y sale
      --version         muestra la versión y sale
      --                todo argumento posterior es un archivo o una carpeta,
                        aunque empiece por -

En un terminal, una línea en vivo muestra cada archivo en curso y una barra
muestra los archivos terminados, el tiempo transcurrido y el restante; si no,
se imprime una línea por cada archivo terminado. El resumen va a la salida de
error estándar. Ctrl-C, SIGTERM o SIGHUP (un terminal cerrado) lo detienen al
instante: las conversiones en curso terminan sin dejar archivos a medias.
Ctrl-Z pausa las conversiones en curso junto con el programa; fg las reanuda.

Estado de salida:
  0    se convirtieron todos los archivos o ya estaban convertidos
  1    algún archivo no se convirtió (falló, tenía un formato desconocido o no
       se inició), o no se pudo escribir en la salida estándar
  2    error de uso: opción o perfil desconocidos, ningún archivo, carpeta de
       destino sin permiso de escritura
  129  detenido por SIGHUP
  130  detenido por SIGINT (Ctrl-C)
  143  detenido por SIGTERM

Ejemplos:
  kelvora-convert --preset wmv --output ~/converted ~/Videos
  kelvora-convert -p 24 -r --skip-existing -o ~/Music/mp3 ~/Music/flac
  kelvora-convert -p 24 -o ~/Converted --watch ~/Incoming
  find /media -name &apos;*.mp4&apos; -print0 | kelvora-convert -p 19 --null --from -
</translation>
    </message>
    <message>
        <source>%1: watching %2
</source>
        <translation>%1: vigilando %2
</translation>
    </message>
    <message>
        <source>%1: %2: %3; it is watched again when it is back
</source>
        <translation>%1: %2: %3; se vigilará de nuevo cuando vuelva
</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 already converted, %4 not converted, in %5</source>
        <translation>%1 archivos: %2 convertidos, %3 ya convertidos, %4 sin convertir, en %5</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be a watched folder</source>
        <translation>la carpeta de salida %1 no puede ser una carpeta vigilada</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Media Converter</source>
        <translation>Conversor multimedia</translation>
    </message>
    <message>
        <source>Convert audio and video files to another format in one batch</source>
        <translation>Convierta archivos de audio y vídeo a otro formato por lotes</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE no Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>No se pudo completar la transacción DDE
porque se agotó el tiempo de la solicitud.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>No se pudo completar la transacción DDE
porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
con la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>No se puede abrir el hipervínculo:

%1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Target Format</source>
        <translation>Formato de destino</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo...</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todos</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>E&amp;xit                  </source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Convertion</source>
        <translation>&amp;Conversión</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Convertir todos</translation>
    </message>
    <message>
        <source>Convert Selected Files</source>
        <translation>Convertir seleccionados</translation>
    </message>
    <message>
        <source>Retry Failed Files</source>
        <translation>Reintentar fallidos</translation>
    </message>
    <message>
        <source>Pause Convertion</source>
        <translation>Pausar conversión</translation>
    </message>
    <message>
        <source>Stop Current Convertion</source>
        <translation>Detener conversión actual</translation>
    </message>
    <message>
        <source>Stop All Convertion</source>
        <translation>Detener todas las conversiones</translation>
    </message>
    <message>
        <source>Select Failed Files</source>
        <translation>Seleccionar fallidos</translation>
    </message>
    <message>
        <source>Simultaneous Conversions</source>
        <translation>Conversiones simultáneas</translation>
    </message>
    <message>
        <source>One at a Time</source>
        <translation>De una en una</translation>
    </message>
    <message>
        <source>2 at a Time</source>
        <translation>De 2 en 2</translation>
    </message>
    <message>
        <source>4 at a Time</source>
        <translation>De 4 en 4</translation>
    </message>
    <message>
        <source>As Many as Processor Cores</source>
        <translation>Una por núcleo del procesador</translation>
    </message>
    <message>
        <source>Modern Video Size</source>
        <translation>Tamaño de Vídeo moderno</translation>
    </message>
    <message>
        <source>Keep Size</source>
        <translation>Mantener tamaño</translation>
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
        <translation>Impedir la suspensión</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help(F1)</source>
        <translation>Ayuda (F1)</translation>
    </message>
    <message>
        <source>&amp;About Kelvora     </source>
        <translation>&amp;Acerca de Kelvora</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Add Files          </source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Quitar todos los archivos</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert All Listed Files</source>
        <translation>Convertir toda la lista</translation>
    </message>
    <message>
        <source>Skip Current Convertion</source>
        <translation>Saltar conversión actual</translation>
    </message>
    <message>
        <source>Cancel This File</source>
        <translation>Cancelar este archivo</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Keep Original File Dates</source>
        <translation>Conservar las fechas originales de los archivos</translation>
    </message>
    <message>
        <source>Resume Convertion</source>
        <translation>Reanudar la conversión</translation>
    </message>
    <message>
        <source>Watch Folder...</source>
        <translation>Vigilar carpeta...</translation>
    </message>
    <message>
        <source>Stop Watching Folders</source>
        <translation>Dejar de vigilar carpetas</translation>
    </message>
    <message>
        <source>Convert As They Arrive</source>
        <translation>Convertir al llegar</translation>
    </message>
    <message>
        <source>Make a New Name</source>
        <translation>Crear un nombre nuevo</translation>
    </message>
    <message>
        <source>Skip the File</source>
        <translation>Omitir el archivo</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Quit Kelvora</source>
        <translation>Salir de Kelvora</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Only If All Succeeded</source>
        <translation>Solo si todo salió bien</translation>
    </message>
    <message>
        <source>When the Output Exists</source>
        <translation>Si la salida existe</translation>
    </message>
    <message>
        <source>When Done</source>
        <translation>Al terminar</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>1 file converted</source>
        <translation>1 archivo convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n archivo convertido</numerusform>
            <numerusform>%n archivos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 failed, %3 canceled</source>
        <translation>%1; fallidos: %2; cancelados: %3</translation>
    </message>
    <message>
        <source>Kelvora: the batch has ended</source>
        <translation>Kelvora: el lote ha terminado</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n partly converted</source>
        <translation>
            <numerusform>%1, %n convertidos en parte</numerusform>
            <numerusform>%1, %n convertidos en parte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>General Video</source>
        <translation>Vídeo general</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>wmv file</source>
        <translation>archivo WMV</translation>
    </message>
    <message>
        <source>Divx Video (*.avi)</source>
        <translation>Vídeo DivX (*.avi)</translation>
    </message>
    <message>
        <source>AVI - Audio-Video Interleave (*.avi)</source>
        <translation>AVI - Audio-Video Interleave (*.avi)</translation>
    </message>
    <message>
        <source>avi file</source>
        <translation>archivo AVI</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>asf file</source>
        <translation>archivo ASF</translation>
    </message>
    <message>
        <source>MPEG1 Movie (*.mpg)</source>
        <translation>Película MPEG1 (*.mpg)</translation>
    </message>
    <message>
        <source>mpg file</source>
        <translation>archivo MPG</translation>
    </message>
    <message>
        <source>MPEG2 Movie (*.vob)</source>
        <translation>Película MPEG2 (*.vob)</translation>
    </message>
    <message>
        <source>vob file</source>
        <translation>archivo VOB</translation>
    </message>
    <message>
        <source>MPEG4 Movie (*.mp4)</source>
        <translation>Película MPEG4 (*.mp4)</translation>
    </message>
    <message>
        <source>mp4 file</source>
        <translation>archivo MP4</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio general</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>wma file</source>
        <translation>archivo WMA</translation>
    </message>
    <message>
        <source>Mp3 - Mpeg Audio Layer3 (*.mp3)</source>
        <translation>MP3 - MPEG Audio Layer 3 (*.mp3)</translation>
    </message>
    <message>
        <source>Mp3 Audio (*.mp3)</source>
        <translation>Audio MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>mp3 file</source>
        <translation>archivo MP3</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>3GPP  (*.3gp)</source>
        <translation>3GPP  (*.3gp)</translation>
    </message>
    <message>
        <source>3GP  (*.3gp)</source>
        <translation>3GP  (*.3gp)</translation>
    </message>
    <message>
        <source>3gp file</source>
        <translation>archivo 3GP</translation>
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
        <translation>archivo 3G2</translation>
    </message>
    <message>
        <source>BlackBerry 3GP (*.3gp)</source>
        <translation>BlackBerry 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>BlackBerry 3GP file</source>
        <translation>archivo 3GP de BlackBerry</translation>
    </message>
    <message>
        <source>Apple iPod</source>
        <translation>Apple iPod</translation>
    </message>
    <message>
        <source>iPod - High Quarlity (*.mp4)</source>
        <translation>iPod - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - High Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Normal Quarlity (*.mp4)</source>
        <translation>iPod - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Low Quarlity (*.mp4)</source>
        <translation>iPod - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>Apple iPhone</source>
        <translation>Apple iPhone</translation>
    </message>
    <message>
        <source>iPhone - High Quarlity (*.mp4)</source>
        <translation>iPhone - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - High Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Normal Quarlity (*.mp4)</source>
        <translation>iPhone - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Low Quarlity (*.mp4)</source>
        <translation>iPhone - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>Sony PSP/PS3</source>
        <translation>Sony PSP/PS3</translation>
    </message>
    <message>
        <source>PSP - High Quarlity (*.mp4)</source>
        <translation>PSP - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - High Quarlity (*.mp4)</source>
        <translation>SONY PSP - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Normal Quarlity (*.mp4)</source>
        <translation>PSP - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Normal Quarlity (*.mp4)</source>
        <translation>SONY PSP - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Low Quarlity (*.mp4)</source>
        <translation>PSP - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Low Quarlity (*.mp4)</source>
        <translation>SONY PSP - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - High Quarlity (*.mp4)</source>
        <translation>PS3 - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - High Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Normal Quarlity (*.mp4)</source>
        <translation>PS3 - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Normal Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Low Quarlity (*.mp4)</source>
        <translation>PS3 - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Low Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>DV - Digital Video (*.dv)</source>
        <translation>DV - Vídeo digital (*.dv)</translation>
    </message>
    <message>
        <source>dv file</source>
        <translation>archivo DV</translation>
    </message>
    <message>
        <source>Modern Video</source>
        <translation>Vídeo moderno</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Calidad alta (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Calidad normal (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Calidad baja (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - High Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Calidad alta (*.webm)</translation>
    </message>
    <message>
        <source>webm file</source>
        <translation>archivo WebM</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Normal Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Calidad normal (*.webm)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Low Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Calidad baja (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - High Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Calidad alta (*.mkv)</translation>
    </message>
    <message>
        <source>mkv file</source>
        <translation>archivo MKV</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Normal Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Calidad normal (*.mkv)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Low Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Calidad baja (*.mkv)</translation>
    </message>
    <message>
        <source>Same Quality</source>
        <translation>Misma calidad</translation>
    </message>
    <message>
        <source>MKV - Keep Streams, No Re-encoding (*.mkv)</source>
        <translation>MKV - Conservar flujos, sin recodificar (*.mkv)</translation>
    </message>
    <message>
        <source>MP4 - Keep Streams, No Re-encoding (*.mp4)</source>
        <translation>MP4 - Conservar flujos, sin recodificar (*.mp4)</translation>
    </message>
    <message>
        <source>Modern Audio</source>
        <translation>Audio moderno</translation>
    </message>
    <message>
        <source>M4A - AAC (*.m4a)</source>
        <translation>M4A - AAC (*.m4a)</translation>
    </message>
    <message>
        <source>m4a file</source>
        <translation>archivo M4A</translation>
    </message>
    <message>
        <source>Opus (*.opus)</source>
        <translation>Opus (*.opus)</translation>
    </message>
    <message>
        <source>opus file</source>
        <translation>archivo Opus</translation>
    </message>
    <message>
        <source>FLAC - Lossless (*.flac)</source>
        <translation>FLAC - Sin pérdida (*.flac)</translation>
    </message>
    <message>
        <source>flac file</source>
        <translation>archivo FLAC</translation>
    </message>
    <message>
        <source>MP3 - High Quality VBR (*.mp3)</source>
        <translation>MP3 - VBR de alta calidad (*.mp3)</translation>
    </message>
    <message>
        <source>WAV - Uncompressed (*.wav)</source>
        <translation>WAV - Sin comprimir (*.wav)</translation>
    </message>
    <message>
        <source>wav file</source>
        <translation>archivo WAV</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Media Information</source>
        <translation>Información multimedia</translation>
    </message>
    <message>
        <source>Video Information</source>
        <translation>Información de vídeo</translation>
    </message>
    <message>
        <source>Audio Information</source>
        <translation>Información de audio</translation>
    </message>
    <message>
        <source>Media Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Media Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>Formato de vídeo</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fotogramas/s</translation>
    </message>
    <message>
        <source>Audio Format</source>
        <translation>Formato de audio</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Tasa de muestreo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Carátula</translation>
    </message>
    <message>
        <source>Attached file</source>
        <translation>Archivo adjunto</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>imágenes</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminada</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forzada</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Códec</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Flujos</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>No saving folder is chosen</source>
        <translation>No se ha elegido ninguna carpeta de destino</translation>
    </message>
    <message>
        <source>%1: the saving folder is not an absolute path</source>
        <translation>%1: la carpeta de destino no es una ruta absoluta</translation>
    </message>
    <message>
        <source>%1: no free temporary name</source>
        <translation>%1: no queda ningún nombre temporal libre</translation>
    </message>
    <message>
        <source>%1: the saving folder cannot be created</source>
        <translation>%1: no se puede crear la carpeta de destino</translation>
    </message>
    <message>
        <source>The converter wrote no output file</source>
        <translation>El conversor no escribió ningún archivo de salida</translation>
    </message>
    <message>
        <source>The converter wrote an empty output file</source>
        <translation>El conversor escribió un archivo de salida vacío</translation>
    </message>
    <message>
        <source>The converter&apos;s output cannot be read as media</source>
        <translation>La salida del conversor no se puede leer como archivo multimedia</translation>
    </message>
    <message>
        <source>The converter&apos;s output holds no audio or video</source>
        <translation>La salida del conversor no contiene audio ni vídeo</translation>
    </message>
    <message>
        <source>The converter has no %1 encoder.</source>
        <translation>El conversor no tiene el codificador %1.</translation>
    </message>
    <message>
        <source>The converter has neither the %1 nor the %2 encoder.</source>
        <translation>El conversor no tiene ni el codificador %1 ni el %2.</translation>
    </message>
    <message>
        <source>The converter did not list its encoders.</source>
        <translation>El conversor no enumeró sus codificadores.</translation>
    </message>
    <message>
        <source>The file holds a stream that cannot be decoded</source>
        <translation>El archivo contiene un flujo que no se puede decodificar</translation>
    </message>
    <message>
        <source>The file&apos;s audio codec (%1) cannot be decoded</source>
        <translation>No se puede decodificar el códec de audio del archivo (%1)</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be decoded</source>
        <translation>No se puede decodificar el códec de vídeo del archivo (%1)</translation>
    </message>
    <message>
        <source>The file&apos;s codec %1 cannot be decoded</source>
        <translation>No se puede decodificar el códec %1 del archivo</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>El disco está lleno</translation>
    </message>
    <message>
        <source>The disk quota is used up</source>
        <translation>Se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>The output is too large for the saving folder&apos;s file system</source>
        <translation>La salida es demasiado grande para el sistema de archivos de la carpeta de destino</translation>
    </message>
    <message>
        <source>The saving folder is on a read-only disk</source>
        <translation>La carpeta de destino está en un disco de solo lectura</translation>
    </message>
    <message>
        <source>The disk cannot be read or written (input/output error)</source>
        <translation>No se puede leer ni escribir en el disco (error de entrada/salida)</translation>
    </message>
    <message>
        <source>The converter ran out of memory</source>
        <translation>El conversor se quedó sin memoria</translation>
    </message>
    <message>
        <source>The file is damaged at %1</source>
        <translation>El archivo está dañado en %1</translation>
    </message>
    <message>
        <source>The file is damaged</source>
        <translation>El archivo está dañado</translation>
    </message>
    <message>
        <source>The converter crashed (segmentation fault)</source>
        <translation>El conversor falló (violación de segmento)</translation>
    </message>
    <message>
        <source>The converter crashed (bus error)</source>
        <translation>El conversor falló (error de bus)</translation>
    </message>
    <message>
        <source>The converter crashed (illegal instruction)</source>
        <translation>El conversor falló (instrucción ilegal)</translation>
    </message>
    <message>
        <source>The converter crashed (arithmetic fault)</source>
        <translation>El conversor falló (error aritmético)</translation>
    </message>
    <message>
        <source>The converter crashed (aborted)</source>
        <translation>El conversor falló (abortado)</translation>
    </message>
    <message>
        <source>The converter was killed (%1)</source>
        <translation>El conversor fue terminado a la fuerza (%1)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>señal %1</translation>
    </message>
    <message>
        <source>The encoder for %1 is not installed</source>
        <translation>El codificador de %1 no está instalado</translation>
    </message>
    <message>
        <source>The encoder cannot make this file with the preset&apos;s settings</source>
        <translation>El codificador no puede crear este archivo con los ajustes del perfil</translation>
    </message>
    <message>
        <source>The file holds no audio or video stream</source>
        <translation>El archivo no contiene ningún flujo de audio ni de vídeo</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be converted</source>
        <translation>No se puede convertir el códec de vídeo del archivo (%1)</translation>
    </message>
    <message>
        <source>The file&apos;s streams cannot be read</source>
        <translation>No se pueden leer los flujos del archivo</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo regular</translation>
    </message>
    <message>
        <source>The file cannot be read (%1)</source>
        <translation>No se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>Not a media file, or damaged</source>
        <translation>No es un archivo multimedia o está dañado</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8</source>
        <translation>El nombre no es UTF-8 válido</translation>
    </message>
    <message>
        <source>The encoder refused these settings: %1</source>
        <translation>El codificador rechazó estos ajustes: %1</translation>
    </message>
    <message>
        <source>The converter went on running after closing its output</source>
        <translation>El convertidor siguió en marcha tras cerrar su salida</translation>
    </message>
    <message>
        <source>The converter stopped with exit status %1</source>
        <translation>El convertidor terminó con el estado de salida %1</translation>
    </message>
    <message>
        <source>A picture subtitle track cannot go into %1</source>
        <translation>Una pista de subtítulos de imagen no cabe en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n pista de subtítulos de imagen no cabe en %1</numerusform>
            <numerusform>%n pistas de subtítulos de imagen no caben en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A subtitle track cannot go into %1</source>
        <translation>Una pista de subtítulos no cabe en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n pista de subtítulos no cabe en %1</numerusform>
            <numerusform>%n pistas de subtítulos no caben en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>An attached file cannot go into %1</source>
        <translation>Un archivo adjunto no cabe en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attached files cannot go into %1</source>
        <translation>
            <numerusform>%n archivo adjunto no cabe en %1</numerusform>
            <numerusform>%n archivos adjuntos no caben en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>HDR is written without tone mapping: the converter has no zscale filter</source>
        <translation>El HDR se escribe sin mapeo de tonos: el conversor no tiene el filtro zscale</translation>
    </message>
    <message>
        <source>the input file ends early</source>
        <translation>el archivo de entrada termina antes de tiempo</translation>
    </message>
    <message>
        <source>Partly converted: %1</source>
        <translation>Convertido en parte: %1</translation>
    </message>
    <message>
        <source>Converted %1 of %2: %3</source>
        <translation>Convertido %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made: %2</source>
        <translation>%1: no se puede crear la carpeta: %2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list?</source>
        <translation>Kelvora no se cerró correctamente. ¿Restaurar 1 archivo de la última lista?</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list?</source>
        <translation>
            <numerusform>Kelvora no se cerró correctamente. ¿Restaurar %n archivo de la última lista?</numerusform>
            <numerusform>Kelvora no se cerró correctamente. ¿Restaurar los %n archivos de la última lista?</numerusform>
        </translation>
    </message>
    <message>
        <source>These files no longer exist and were left out of the list:</source>
        <translation>Estos archivos ya no existen y se dejaron fuera de la lista:</translation>
    </message>
    <message>
        <source>kelvora: the session file %1 cannot be read; it was moved to %2</source>
        <translation>kelvora: no se puede leer el archivo de sesión %1; se ha movido a %2</translation>
    </message>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list? It was still to be converted; if it was cut short, it starts over.</source>
        <translation>Kelvora no se cerró correctamente. ¿Restaurar el archivo de la última lista? Quedaba por convertir; si se interrumpió, empieza de nuevo.</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list? %1 of them were still to be converted; files cut short start over.</source>
        <translation>
            <numerusform>Kelvora no se cerró correctamente. ¿Restaurar los %n archivos de la última lista? %1 de ellos quedaban por convertir; los archivos interrumpidos empiezan de nuevo.</numerusform>
            <numerusform>Kelvora no se cerró correctamente. ¿Restaurar los %n archivos de la última lista? %1 de ellos quedaban por convertir; los archivos interrumpidos empiezan de nuevo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore and &amp;Go On Converting</source>
        <translation>Restaurar y &amp;seguir convirtiendo</translation>
    </message>
    <message>
        <source>&amp;Restore Only</source>
        <translation>Solo &amp;restaurar</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Cut short when Kelvora ended: it starts over from the beginning</source>
        <translation>Interrumpido al cerrarse Kelvora: empieza de nuevo desde el principio</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>kelvora: %1: no such file or folder
</source>
        <translation>kelvora: %1: no existe el archivo o la carpeta
</translation>
    </message>
    <message>
        <source>kelvora: cannot catch the stop signals
</source>
        <translation>kelvora: no se pueden capturar las señales de parada
</translation>
    </message>
    <message>
        <source>kelvora: no private runtime folder (XDG_RUNTIME_DIR, or %1/kelvora-%2 of this user&apos;s, mode 700): running without the single-instance hand-over
</source>
        <translation>kelvora: no hay carpeta privada de ejecución (XDG_RUNTIME_DIR, o %1/kelvora-%2 de este usuario, modo 700): se ejecuta sin el traspaso a la instancia única
</translation>
    </message>
    <message>
        <source>kelvora: cannot listen on %1: %2
</source>
        <translation>kelvora: no se puede escuchar en %1: %2
</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Waiting Convertion...</source>
        <translation>En espera...</translation>
    </message>
    <message>
        <source>Unknown Format!</source>
        <translation>¡Formato desconocido!</translation>
    </message>
    <message>
        <source>Convertion Completed!</source>
        <translation>¡Conversión completa!</translation>
    </message>
    <message>
        <source>User Canceled!</source>
        <translation>¡Cancelado!</translation>
    </message>
    <message>
        <source>Convertion Failed!</source>
        <translation>¡Conversión fallida!</translation>
    </message>
    <message>
        <source>Converter Not Found!</source>
        <translation>¡Falta el conversor!</translation>
    </message>
    <message>
        <source>Output Equals Input!</source>
        <translation>¡Salida igual a entrada!</translation>
    </message>
    <message>
        <source>Invalid Saving Folder!</source>
        <translation>¡Destino no válido!</translation>
    </message>
    <message>
        <source>Partly Converted</source>
        <translation>Convertido en parte</translation>
    </message>
    <message>
        <source>Already Converted</source>
        <translation>Ya convertido</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Browse
Select a folder for target files</source>
        <translation>Examinar
Elegir una carpeta para los archivos de destino</translation>
    </message>
    <message>
        <source>Browse
Select a folder to target files</source>
        <translation>Examinar
Elegir una carpeta para los archivos de destino</translation>
    </message>
    <message>
        <source>Open Folder
Open the saving folder of target files</source>
        <translation>Abrir carpeta
Abrir la carpeta de destino de los archivos</translation>
    </message>
    <message>
        <source>Open Folder
Open the target files saving folder</source>
        <translation>Abrir carpeta
Abrir la carpeta donde se guardan los archivos de destino</translation>
    </message>
    <message>
        <source>Add files to the list
Add a file to convertion list</source>
        <translation>Añadir archivos a la lista
Añadir un archivo a la lista de conversión</translation>
    </message>
    <message>
        <source>Add the media files of a folder
Add all media files from a folder</source>
        <translation>Añadir los archivos multimedia de una carpeta
Añadir todos los archivos multimedia de una carpeta</translation>
    </message>
    <message>
        <source>Remove every file from the list
Remove all listed files</source>
        <translation>Quitar todos los archivos de la lista
Quitar todos los archivos</translation>
    </message>
    <message>
        <source>Convert the ticked files
Convert listed files</source>
        <translation>Convertir los archivos marcados
Convertir los archivos de la lista</translation>
    </message>
    <message>
        <source>Convert the ticked files
Start converting</source>
        <translation>Convertir los archivos marcados
Iniciar la conversión</translation>
    </message>
    <message>
        <source>Skip the file being converted
Skip Current Media File</source>
        <translation>Saltar el archivo que se está convirtiendo
Saltar el archivo actual</translation>
    </message>
    <message>
        <source>Stop converting
Stop all convertion</source>
        <translation>Detener la conversión
Detener todas las conversiones</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora</source>
        <translation>Información y versión del programa
Acerca de Kelvora</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora 1.0</source>
        <translation>Información y versión del programa
Acerca de Kelvora 1.0</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Kelvora Already Running!</source>
        <translation>¡Kelvora ya se está ejecutando!</translation>
    </message>
    <message>
        <source>Browse a folder for target media files</source>
        <translation>Elegir una carpeta para los archivos de destino</translation>
    </message>
    <message>
        <source>Open the target files saving folder</source>
        <translation>Abrir la carpeta de destino de los archivos</translation>
    </message>
    <message>
        <source>Saving Folder:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Solution:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>The help could not be opened: no viewer for %1 and no browser for %2.</source>
        <translation>No se pudo abrir la ayuda: no hay visor para %1 ni navegador para %2.</translation>
    </message>
    <message>
        <source>Browse for Target File Saving Folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>The Folder not exist!</source>
        <translation>¡La carpeta no existe!</translation>
    </message>
    <message>
        <source>No File Selected!</source>
        <translation>¡Ningún archivo seleccionado!</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Adds, removes and converts the listed files</source>
        <translation>Añade, quita y convierte los archivos de la lista</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Archivos multimedia</translation>
    </message>
    <message>
        <source>The files to convert, each with its status</source>
        <translation>Los archivos a convertir, cada uno con su estado</translation>
    </message>
    <message>
        <source>Saving Folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Where the converted files are written</source>
        <translation>Dónde se escriben los archivos convertidos</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>The format the files are converted to</source>
        <translation>El formato al que se convierten los archivos</translation>
    </message>
    <message>
        <source>Choose a Solution</source>
        <translation>Elegir una solución</translation>
    </message>
    <message>
        <source>Opens the list of Solutions</source>
        <translation>Abre la lista de soluciones</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Progreso del lote</translation>
    </message>
</context>
</TS>
