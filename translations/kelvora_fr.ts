<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>About Kelvora</source>
        <translation>À propos de Kelvora</translation>
    </message>
    <message>
        <source>Kelvora, Version 1.0</source>
        <translation>Kelvora, version 1.0</translation>
    </message>
    <message>
        <source>Contact us if any questions:</source>
        <translation>Pour toute question, contactez-nous&#xa0;:</translation>
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
        <translation>1 fichier n&apos;a pas été ajouté, car son nom n&apos;est pas en UTF-8 valide&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added because their names are not valid UTF-8:</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas été ajouté, car son nom n&apos;est pas en UTF-8 valide&#xa0;:</numerusform>
            <numerusform>%n fichiers n&apos;ont pas été ajoutés, car leurs noms ne sont pas en UTF-8 valide&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 and %n more</source>
        <translation>
            <numerusform>%1&#xa0;: %2 et %n autre</numerusform>
            <numerusform>%1&#xa0;: %2 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file with another extension</source>
        <translation>1 fichier avec une autre extension</translation>
    </message>
    <message numerus="yes">
        <source>%n files with other extensions</source>
        <translation>
            <numerusform>%n fichier avec une autre extension</numerusform>
            <numerusform>%n fichiers avec d&apos;autres extensions</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file already listed</source>
        <translation>1 fichier déjà dans la liste</translation>
    </message>
    <message numerus="yes">
        <source>%n files already listed</source>
        <translation>
            <numerusform>%n fichier déjà dans la liste</numerusform>
            <numerusform>%n fichiers déjà dans la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>1 name that is not valid UTF-8</source>
        <translation>1 nom qui n&apos;est pas en UTF-8 valide</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8</source>
        <translation>
            <numerusform>%n nom qui n&apos;est pas en UTF-8 valide</numerusform>
            <numerusform>%n noms qui ne sont pas en UTF-8 valide</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file or folder that cannot be read</source>
        <translation>1 fichier ou dossier illisible</translation>
    </message>
    <message numerus="yes">
        <source>%n files or folders that cannot be read</source>
        <translation>
            <numerusform>%n fichier ou dossier illisible</numerusform>
            <numerusform>%n fichiers ou dossiers illisibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n media files added!</source>
        <translation>
            <numerusform>%n fichier multimédia ajouté&#xa0;!</numerusform>
            <numerusform>%n fichiers multimédias ajoutés&#xa0;!</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item was not added: %1</source>
        <translation>1 élément n&apos;a pas été ajouté&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items were not added: %1</source>
        <translation>
            <numerusform>%n élément n&apos;a pas été ajouté&#xa0;: %1</numerusform>
            <numerusform>%n éléments n&apos;ont pas été ajoutés&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a web address (%1)</source>
        <translation>une adresse web (%1)</translation>
    </message>
    <message>
        <source>a remote file (%1)</source>
        <translation>un fichier distant (%1)</translation>
    </message>
    <message>
        <source>a file that no longer exists (%1)</source>
        <translation>un fichier qui n&apos;existe plus (%1)</translation>
    </message>
    <message>
        <source>All files(*.*) (*)</source>
        <translation>Tous les fichiers (*.*) (*)</translation>
    </message>
    <message>
        <source>All media files (%1)</source>
        <translation>Tous les fichiers multimédias (%1)</translation>
    </message>
    <message>
        <source>Mpeg-4 Video(*.mp4) (*.mp4)</source>
        <translation>Vidéo MPEG-4 (*.mp4) (*.mp4)</translation>
    </message>
    <message>
        <source>DVD Video(*.vob) (*.vob)</source>
        <translation>Vidéo DVD (*.vob) (*.vob)</translation>
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
        <translation>Vidéo Flash (*.flv) (*.flv)</translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3) (*.mp3)</source>
        <translation>Fichiers MP3 (*.mp3) (*.mp3)</translation>
    </message>
    <message>
        <source>Audio Video Interleave Files(*.avi) (*.avi)</source>
        <translation>Fichiers Audio Video Interleave (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding Files(*.aac) (*.aac)</source>
        <translation>Fichiers Advanced Audio Coding (*.aac) (*.aac)</translation>
    </message>
    <message>
        <source>Advanced System Format Files(*.asf) (*.asf)</source>
        <translation>Fichiers Advanced Systems Format (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>AC3 Audio Files(*.ac3) (*.ac3)</source>
        <translation>Fichiers audio AC3 (*.ac3) (*.ac3)</translation>
    </message>
    <message>
        <source>VCD Files(*.dat) (*.dat)</source>
        <translation>Fichiers VCD (*.dat) (*.dat)</translation>
    </message>
    <message>
        <source>Video Transport Stream(*.ts) (*.ts)</source>
        <translation>Flux de transport vidéo (*.ts) (*.ts)</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Adding media files...</source>
        <translation>Ajout des fichiers multimédias…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Adding media files... %1 of %2</source>
        <translation>Ajout des fichiers multimédias… %1 sur %2</translation>
    </message>
    <message>
        <source>Include sub folders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>1 link to a folder not followed</source>
        <translation>1 lien vers un dossier non suivi</translation>
    </message>
    <message numerus="yes">
        <source>%n links to folders not followed</source>
        <translation>
            <numerusform>%n lien vers un dossier non suivi</numerusform>
            <numerusform>%n liens vers des dossiers non suivis</numerusform>
        </translation>
    </message>
    <message>
        <source>1 media file in a sub folder: tick Include sub folders</source>
        <translation>1 fichier multimédia dans un sous-dossier : cochez Inclure les sous-dossiers</translation>
    </message>
    <message numerus="yes">
        <source>%n media files in sub folders: tick Include sub folders</source>
        <translation>
            <numerusform>%n fichiers multimédias dans des sous-dossiers : cochez Inclure les sous-dossiers</numerusform>
            <numerusform>%n fichiers multimédias dans des sous-dossiers : cochez Inclure les sous-dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a folder to watch</source>
        <translation>Choisir un dossier à surveiller</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Converting 1 file</source>
        <translation>Conversion de 1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files</source>
        <translation>
            <numerusform>Conversion de %n fichier</numerusform>
            <numerusform>Conversion de %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n échec</numerusform>
            <numerusform>%n échecs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files done</source>
        <translation>
            <numerusform>%1 sur %n fichier terminé</numerusform>
            <numerusform>%1 sur %n fichiers terminés</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pause&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n converti</numerusform>
            <numerusform>%n convertis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>%n annulé</numerusform>
            <numerusform>%n annulés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message numerus="yes">
        <source>%n partly converted</source>
        <translation>
            <numerusform>%n converti(s) en partie</numerusform>
            <numerusform>%n converti(s) en partie</numerusform>
        </translation>
    </message>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>Le bus système est injoignable.</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted</source>
        <translation>
            <numerusform>%n déjà converti</numerusform>
            <numerusform>%n déjà convertis</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not there)</source>
        <translation>%1 (absent)</translation>
    </message>
    <message>
        <source>Watching: %1</source>
        <translation>Surveillé : %1</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Éteindre maintenant</translation>
    </message>
    <message>
        <source>Suspend Now</source>
        <translation>Mettre en veille maintenant</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>La conversion est terminée. L&apos;ordinateur s&apos;éteint dans %n seconde.</numerusform>
            <numerusform>La conversion est terminée. L&apos;ordinateur s&apos;éteint dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer is suspended in %n seconds.</source>
        <translation>
            <numerusform>La conversion est terminée. L&apos;ordinateur se met en veille dans %n seconde.</numerusform>
            <numerusform>La conversion est terminée. L&apos;ordinateur se met en veille dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer could not be powered off: %1</source>
        <translation>L&apos;ordinateur n&apos;a pas pu être éteint : %1</translation>
    </message>
    <message>
        <source>The computer could not be suspended: %1</source>
        <translation>L&apos;ordinateur n&apos;a pas pu être mis en veille : %1</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 requiert une valeur</translation>
    </message>
    <message>
        <source>option --output needs a folder</source>
        <translation>l&apos;option --output requiert un dossier</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation>--jobs prend un nombre de 1 à 64, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--size takes 1080p, 720p, 480p or keep, not &apos;%1&apos;</source>
        <translation>--size prend 1080p, 720p, 480p ou keep, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>option --from needs a list file, or - for standard input</source>
        <translation>l&apos;option --from requiert un fichier de liste, ou - pour l&apos;entrée standard</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1&#xa0;: impossible d&apos;écrire sur la sortie standard&#xa0;: %2
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1&#xa0;: %2
Saisissez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>impossible de lire la liste %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not started: the batch was stopped</source>
        <translation>Non démarré&#xa0;: la conversion a été arrêtée</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 not converted, in %4</source>
        <translation>%1 fichiers&#xa0;: %2 convertis, %3 non convertis, en %4</translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <translation>&#xa0;; interrompu par %1</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Fichier inexistant</translation>
    </message>
    <message>
        <source>%1 %2%  %3/%4 files done  elapsed %5  left %6</source>
        <translation>%1 %2%  %3/%4 fichiers terminés  écoulé %5  reste %6</translation>
    </message>
    <message>
        <source>%1: cannot install the signal handlers
</source>
        <translation>%1&#xa0;: impossible d&apos;installer les gestionnaires de signaux
</translation>
    </message>
    <message>
        <source>no preset given (--preset ID|NAME; see --list-presets)</source>
        <translation>aucun profil indiqué (--preset ID|NOM&#xa0;; voir --list-presets)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are:
%2</source>
        <translation>profil inconnu «&#xa0;%1&#xa0;»&#xa0;; les profils sont&#xa0;:
%2</translation>
    </message>
    <message>
        <source>ambiguous preset &apos;%1&apos;; the presets it matches are:
%2</source>
        <translation>profil ambigu «&#xa0;%1&#xa0;»&#xa0;; les profils correspondants sont&#xa0;:
%2</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be made or written to</source>
        <translation>impossible de créer le dossier de sortie %1 ou d&apos;y écrire</translation>
    </message>
    <message>
        <source>no files to convert</source>
        <translation>aucun fichier à convertir</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 partly converted, %4 not converted, in %5</source>
        <translation>%1 fichiers : %2 convertis, %3 convertis en partie, %4 non convertis, en %5</translation>
    </message>
    <message>
        <source>option --watch needs a folder</source>
        <translation>l&apos;option --watch demande un dossier</translation>
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
        <translation>Utilisation&#xa0;: kelvora-convert --preset ID|NOM [OPTION]... FICHIER|DOSSIER...
              kelvora-convert --preset ID|NOM [OPTION]... --from LISTE
              kelvora-convert --preset ID|NOM [OPTION]... --watch DOSSIER [FICHIER|DOSSIER]...
Convertit des fichiers multimédias avec les profils de Kelvora, sans fenêtre.

Chaque fichier est converti avec la même ligne de commande du convertisseur, le
même nommage des sorties et les mêmes états que dans la fenêtre de Kelvora. Un
DOSSIER ajoute les fichiers multimédias qu&apos;il contient, comme «&#xa0;Ajouter un
dossier&#xa0;» (sans tenir compte de la casse&#xa0;; les fichiers et dossiers cachés sont
ignorés)&#xa0;; ce qui est laissé de côté est indiqué sur la sortie d&apos;erreur
standard.

Options&#xa0;:
  -p, --preset ID|NOM   le format cible&#xa0;: le numéro d&apos;un profil, son texte de
                        menu ou son texte sous «&#xa0;Profil&#xa0;» (en anglais, comme
                        --list-presets les affiche&#xa0;; sans tenir compte de la
                        casse), ou une partie de l&apos;un d&apos;eux propre à un seul
                        profil (&quot;wmv&quot;, &quot;ipod - high&quot;)
  -o, --output DOSSIER  le dossier de destination (par défaut&#xa0;: le dossier
                        courant)&#xa0;; il est créé s&apos;il n&apos;existe pas
  -j, --jobs N          convertir N fichiers à la fois, de 1 à 64 (par défaut&#xa0;:
                        un par cœur de processeur, 8 au plus)
      --size TAILLE     la hauteur d&apos;image maximale des profils qui en ont une&#xa0;:
                        1080p, 720p, 480p ou keep (par défaut&#xa0;: keep)
      --from LISTE      convertir aussi les chemins du fichier LISTE, un par
                        ligne («&#xa0;-&#xa0;» lit l&apos;entrée standard)&#xa0;; les chemins
                        relatifs partent du dossier courant
  -r, --recursive       un DOSSIER donne aussi les fichiers multimédias de ses
                        sous-dossiers ; chaque sortie va au même chemin relatif
                        sous le dossier de sortie (dossiers créés au besoin)
      --flat            chaque sortie va directement dans le dossier de sortie
      --skip-existing   un fichier dont la sortie (même nom dans son dossier de
                        sortie) existe déjà n&apos;est pas converti à nouveau : il
                        est signalé « Already Converted »
      --watch DOSSIER   surveiller DOSSIER (plusieurs fois pour plusieurs
                        dossiers ; avec -r ses sous-dossiers aussi) par les
                        notifications de fichiers du noyau (inotify) et
                        convertir chaque fichier multimédia qui arrive une fois
                        complet : écrit et fermé, ou déplacé dedans, et sa
                        taille inchangée pendant deux secondes. Les fichiers
                        cachés et partiels ne sont jamais pris ; les fichiers
                        présents au départ comptent comme arrivés et, comme avec
                        --skip-existing, un fichier dont la sortie existe n&apos;est
                        pas converti à nouveau. Tourne jusqu&apos;à SIGTERM ou SIGINT
  -0, --null            les listes de --from sont séparées par des caractères
                        NUL (comme les écrit find -print0), pour les noms
                        contenant des sauts de ligne
      --json            afficher un objet JSON par ligne pour chaque fichier
                        terminé&#xa0;: input, output, status, reason, seconds et, si
                        le convertisseur l&apos;a indiquée, speed (secondes de média
                        par seconde)
                        pour un fichier converti, reason nomme les pistes que
                        sa sortie n&apos;a pas pu prendre
      --no-keep-dates   dater chaque sortie de maintenant plutôt que de l&apos;heure
                        de modification de son entrée
      --no-inhibit      laisser l&apos;ordinateur se mettre en veille en cas
                        d&apos;inactivité pendant la conversion (par défaut, la mise
                        en veille est empêchée tant qu&apos;elle dure)
      --list-presets    afficher le numéro, le groupe et le nom de chaque profil
                        et si le convertisseur peut le produire, puis quitter
  -h, --help            afficher cette aide, puis quitter
      --version         afficher la version, puis quitter
      --                tout argument qui suit est un fichier ou un dossier,
                        même s&apos;il commence par -

Dans un terminal, une ligne en direct montre chaque fichier en cours et une
barre les fichiers terminés, le temps écoulé et le temps restant&#xa0;; sinon, une
ligne est affichée pour chaque fichier terminé. Le résumé va sur la sortie
d&apos;erreur standard. Ctrl+C, SIGTERM ou SIGHUP (un terminal fermé) arrête tout
immédiatement&#xa0;: les conversions en cours se terminent sans laisser de fichier
partiel. Ctrl+Z suspend les conversions en cours avec le programme, fg les
reprend.

Code de sortie&#xa0;:
  0    tous les fichiers ont été convertis ou l&apos;étaient déjà
  1    au moins un fichier n&apos;a pas été converti (échec, format inconnu ou non
       démarré), ou la sortie standard n&apos;a pas pu être écrite
  2    erreur d&apos;utilisation&#xa0;: option ou profil inconnu, aucun fichier, dossier
       de sortie non inscriptible
  129  arrêté par SIGHUP
  130  arrêté par SIGINT (Ctrl+C)
  143  arrêté par SIGTERM

Exemples&#xa0;:
  kelvora-convert --preset wmv --output ~/converted ~/Videos
  kelvora-convert -p 24 -r --skip-existing -o ~/Music/mp3 ~/Music/flac
  kelvora-convert -p 24 -o ~/Converted --watch ~/Incoming
  find /media -name &apos;*.mp4&apos; -print0 | kelvora-convert -p 19 --null --from -
</translation>
    </message>
    <message>
        <source>%1: watching %2
</source>
        <translation>%1 : %2 est surveillé
</translation>
    </message>
    <message>
        <source>%1: %2: %3; it is watched again when it is back
</source>
        <translation>%1 : %2 : %3 ; il sera de nouveau surveillé dès son retour
</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 already converted, %4 not converted, in %5</source>
        <translation>%1 fichiers : %2 convertis, %3 déjà convertis, %4 non convertis, en %5</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be a watched folder</source>
        <translation>le dossier de sortie %1 ne peut pas être un dossier surveillé</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Media Converter</source>
        <translation>Convertisseur multimédia</translation>
    </message>
    <message>
        <source>Convert audio and video files to another format in one batch</source>
        <translation>Convertir des fichiers audio et vidéo vers un autre format, par lots</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin d&apos;accès spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier spécifié.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée, car le délai de la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée, car d&apos;autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de nom de fichier indiquée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques (DLL) spécifiée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d&apos;ouvrir le lien&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Target Format</source>
        <translation>Format cible</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion…</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>E&amp;xit                  </source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Convertion</source>
        <translation>&amp;Conversion</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Tout convertir</translation>
    </message>
    <message>
        <source>Convert Selected Files</source>
        <translation>Convertir la sélection</translation>
    </message>
    <message>
        <source>Retry Failed Files</source>
        <translation>Relancer les échecs</translation>
    </message>
    <message>
        <source>Pause Convertion</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Stop Current Convertion</source>
        <translation>Arrêter la conversion en cours</translation>
    </message>
    <message>
        <source>Stop All Convertion</source>
        <translation>Tout arrêter</translation>
    </message>
    <message>
        <source>Select Failed Files</source>
        <translation>Sélectionner les échecs</translation>
    </message>
    <message>
        <source>Simultaneous Conversions</source>
        <translation>Conversions simultanées</translation>
    </message>
    <message>
        <source>One at a Time</source>
        <translation>Une à la fois</translation>
    </message>
    <message>
        <source>2 at a Time</source>
        <translation>2 à la fois</translation>
    </message>
    <message>
        <source>4 at a Time</source>
        <translation>4 à la fois</translation>
    </message>
    <message>
        <source>As Many as Processor Cores</source>
        <translation>Une par cœur de processeur</translation>
    </message>
    <message>
        <source>Modern Video Size</source>
        <translation>Taille vidéo moderne</translation>
    </message>
    <message>
        <source>Keep Size</source>
        <translation>Originale</translation>
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
        <translation>Empêcher la mise en veille</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help(F1)</source>
        <translation>Aide (F1)</translation>
    </message>
    <message>
        <source>&amp;About Kelvora     </source>
        <translation>À &amp;propos de Kelvora</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Add Files          </source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert All Listed Files</source>
        <translation>Convertir toute la liste</translation>
    </message>
    <message>
        <source>Skip Current Convertion</source>
        <translation>Passer la conversion en cours</translation>
    </message>
    <message>
        <source>Cancel This File</source>
        <translation>Annuler ce fichier</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Keep Original File Dates</source>
        <translation>Conserver les dates d&apos;origine des fichiers</translation>
    </message>
    <message>
        <source>Resume Convertion</source>
        <translation>Reprendre la conversion</translation>
    </message>
    <message>
        <source>Watch Folder...</source>
        <translation>Surveiller un dossier...</translation>
    </message>
    <message>
        <source>Stop Watching Folders</source>
        <translation>Ne plus surveiller les dossiers</translation>
    </message>
    <message>
        <source>Convert As They Arrive</source>
        <translation>Convertir à leur arrivée</translation>
    </message>
    <message>
        <source>Make a New Name</source>
        <translation>Créer un nouveau nom</translation>
    </message>
    <message>
        <source>Skip the File</source>
        <translation>Ignorer le fichier</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Quit Kelvora</source>
        <translation>Quitter Kelvora</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Only If All Succeeded</source>
        <translation>Seulement si tout a réussi</translation>
    </message>
    <message>
        <source>When the Output Exists</source>
        <translation>Si la sortie existe</translation>
    </message>
    <message>
        <source>When Done</source>
        <translation>Une fois terminé</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>1 file converted</source>
        <translation>1 fichier converti</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fichier converti</numerusform>
            <numerusform>%n fichiers convertis</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 failed, %3 canceled</source>
        <translation>%1, échecs&#xa0;: %2, annulations&#xa0;: %3</translation>
    </message>
    <message>
        <source>Kelvora: the batch has ended</source>
        <translation>Kelvora&#xa0;: conversions terminées</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n partly converted</source>
        <translation>
            <numerusform>%1, %n converti(s) en partie</numerusform>
            <numerusform>%1, %n converti(s) en partie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>General Video</source>
        <translation>Vidéo générale</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>wmv file</source>
        <translation>fichier WMV</translation>
    </message>
    <message>
        <source>Divx Video (*.avi)</source>
        <translation>Vidéo DivX (*.avi)</translation>
    </message>
    <message>
        <source>AVI - Audio-Video Interleave (*.avi)</source>
        <translation>AVI - Audio-Video Interleave (*.avi)</translation>
    </message>
    <message>
        <source>avi file</source>
        <translation>fichier AVI</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>asf file</source>
        <translation>fichier ASF</translation>
    </message>
    <message>
        <source>MPEG1 Movie (*.mpg)</source>
        <translation>Film MPEG1 (*.mpg)</translation>
    </message>
    <message>
        <source>mpg file</source>
        <translation>fichier MPG</translation>
    </message>
    <message>
        <source>MPEG2 Movie (*.vob)</source>
        <translation>Film MPEG2 (*.vob)</translation>
    </message>
    <message>
        <source>vob file</source>
        <translation>fichier VOB</translation>
    </message>
    <message>
        <source>MPEG4 Movie (*.mp4)</source>
        <translation>Film MPEG4 (*.mp4)</translation>
    </message>
    <message>
        <source>mp4 file</source>
        <translation>fichier MP4</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio général</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>wma file</source>
        <translation>fichier WMA</translation>
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
        <translation>fichier MP3</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Téléphone mobile</translation>
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
        <translation>fichier 3GP</translation>
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
        <translation>fichier 3G2</translation>
    </message>
    <message>
        <source>BlackBerry 3GP (*.3gp)</source>
        <translation>BlackBerry 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>BlackBerry 3GP file</source>
        <translation>fichier 3GP BlackBerry</translation>
    </message>
    <message>
        <source>Apple iPod</source>
        <translation>Apple iPod</translation>
    </message>
    <message>
        <source>iPod - High Quarlity (*.mp4)</source>
        <translation>iPod - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - High Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Normal Quarlity (*.mp4)</source>
        <translation>iPod - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Low Quarlity (*.mp4)</source>
        <translation>iPod - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>Apple iPhone</source>
        <translation>Apple iPhone</translation>
    </message>
    <message>
        <source>iPhone - High Quarlity (*.mp4)</source>
        <translation>iPhone - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - High Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Normal Quarlity (*.mp4)</source>
        <translation>iPhone - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Low Quarlity (*.mp4)</source>
        <translation>iPhone - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>Sony PSP/PS3</source>
        <translation>Sony PSP/PS3</translation>
    </message>
    <message>
        <source>PSP - High Quarlity (*.mp4)</source>
        <translation>PSP - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - High Quarlity (*.mp4)</source>
        <translation>SONY PSP - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Normal Quarlity (*.mp4)</source>
        <translation>PSP - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Normal Quarlity (*.mp4)</source>
        <translation>SONY PSP - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Low Quarlity (*.mp4)</source>
        <translation>PSP - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Low Quarlity (*.mp4)</source>
        <translation>SONY PSP - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - High Quarlity (*.mp4)</source>
        <translation>PS3 - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - High Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Normal Quarlity (*.mp4)</source>
        <translation>PS3 - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Normal Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Low Quarlity (*.mp4)</source>
        <translation>PS3 - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Low Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>DV - Digital Video (*.dv)</source>
        <translation>DV - Digital Video (*.dv)</translation>
    </message>
    <message>
        <source>dv file</source>
        <translation>fichier DV</translation>
    </message>
    <message>
        <source>Modern Video</source>
        <translation>Vidéo moderne</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Haute qualité (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Qualité normale (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Basse qualité (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - High Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Haute qualité (*.webm)</translation>
    </message>
    <message>
        <source>webm file</source>
        <translation>fichier WebM</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Normal Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Qualité normale (*.webm)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Low Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Basse qualité (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - High Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Haute qualité (*.mkv)</translation>
    </message>
    <message>
        <source>mkv file</source>
        <translation>fichier MKV</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Normal Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Qualité normale (*.mkv)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Low Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Basse qualité (*.mkv)</translation>
    </message>
    <message>
        <source>Same Quality</source>
        <translation>Même qualité</translation>
    </message>
    <message>
        <source>MKV - Keep Streams, No Re-encoding (*.mkv)</source>
        <translation>MKV - Flux conservés, sans réencodage (*.mkv)</translation>
    </message>
    <message>
        <source>MP4 - Keep Streams, No Re-encoding (*.mp4)</source>
        <translation>MP4 - Flux conservés, sans réencodage (*.mp4)</translation>
    </message>
    <message>
        <source>Modern Audio</source>
        <translation>Audio moderne</translation>
    </message>
    <message>
        <source>M4A - AAC (*.m4a)</source>
        <translation>M4A - AAC (*.m4a)</translation>
    </message>
    <message>
        <source>m4a file</source>
        <translation>fichier M4A</translation>
    </message>
    <message>
        <source>Opus (*.opus)</source>
        <translation>Opus (*.opus)</translation>
    </message>
    <message>
        <source>opus file</source>
        <translation>fichier Opus</translation>
    </message>
    <message>
        <source>FLAC - Lossless (*.flac)</source>
        <translation>FLAC - Sans perte (*.flac)</translation>
    </message>
    <message>
        <source>flac file</source>
        <translation>fichier FLAC</translation>
    </message>
    <message>
        <source>MP3 - High Quality VBR (*.mp3)</source>
        <translation>MP3 - Haute qualité VBR (*.mp3)</translation>
    </message>
    <message>
        <source>WAV - Uncompressed (*.wav)</source>
        <translation>WAV - Non compressé (*.wav)</translation>
    </message>
    <message>
        <source>wav file</source>
        <translation>fichier WAV</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Media Information</source>
        <translation>Informations générales</translation>
    </message>
    <message>
        <source>Video Information</source>
        <translation>Informations vidéo</translation>
    </message>
    <message>
        <source>Audio Information</source>
        <translation>Informations audio</translation>
    </message>
    <message>
        <source>Media Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Media Bitrate</source>
        <translation>Débit total</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>Format vidéo</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Images/seconde</translation>
    </message>
    <message>
        <source>Audio Format</source>
        <translation>Format audio</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Échantillonnage</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>Attached file</source>
        <translation>Fichier joint</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canaux</numerusform>
        </translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>images</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forcé</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Flux</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>No saving folder is chosen</source>
        <translation>Aucun dossier de destination choisi</translation>
    </message>
    <message>
        <source>%1: the saving folder is not an absolute path</source>
        <translation>%1&#xa0;: le dossier de destination n&apos;est pas un chemin absolu</translation>
    </message>
    <message>
        <source>%1: no free temporary name</source>
        <translation>%1&#xa0;: aucun nom temporaire libre</translation>
    </message>
    <message>
        <source>%1: the saving folder cannot be created</source>
        <translation>%1&#xa0;: impossible de créer le dossier de destination</translation>
    </message>
    <message>
        <source>The converter wrote no output file</source>
        <translation>Le convertisseur n&apos;a écrit aucun fichier de sortie</translation>
    </message>
    <message>
        <source>The converter wrote an empty output file</source>
        <translation>Le convertisseur a écrit un fichier de sortie vide</translation>
    </message>
    <message>
        <source>The converter&apos;s output cannot be read as media</source>
        <translation>La sortie du convertisseur n&apos;est pas lisible comme média</translation>
    </message>
    <message>
        <source>The converter&apos;s output holds no audio or video</source>
        <translation>La sortie du convertisseur ne contient ni audio ni vidéo</translation>
    </message>
    <message>
        <source>The converter has no %1 encoder.</source>
        <translation>Le convertisseur n&apos;a pas d&apos;encodeur %1.</translation>
    </message>
    <message>
        <source>The converter has neither the %1 nor the %2 encoder.</source>
        <translation>Le convertisseur n&apos;a ni l&apos;encodeur %1 ni l&apos;encodeur %2.</translation>
    </message>
    <message>
        <source>The converter did not list its encoders.</source>
        <translation>Le convertisseur n&apos;a pas listé ses encodeurs.</translation>
    </message>
    <message>
        <source>The file holds a stream that cannot be decoded</source>
        <translation>Le fichier contient un flux impossible à décoder</translation>
    </message>
    <message>
        <source>The file&apos;s audio codec (%1) cannot be decoded</source>
        <translation>Le codec audio du fichier (%1) ne peut pas être décodé</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be decoded</source>
        <translation>Le codec vidéo du fichier (%1) ne peut pas être décodé</translation>
    </message>
    <message>
        <source>The file&apos;s codec %1 cannot be decoded</source>
        <translation>Le codec %1 du fichier ne peut pas être décodé</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>The disk quota is used up</source>
        <translation>Le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>The output is too large for the saving folder&apos;s file system</source>
        <translation>La sortie est trop volumineuse pour le système de fichiers du dossier de destination</translation>
    </message>
    <message>
        <source>The saving folder is on a read-only disk</source>
        <translation>Le dossier de destination est sur un disque en lecture seule</translation>
    </message>
    <message>
        <source>The disk cannot be read or written (input/output error)</source>
        <translation>Le disque ne peut être ni lu ni écrit (erreur d&apos;entrée/sortie)</translation>
    </message>
    <message>
        <source>The converter ran out of memory</source>
        <translation>Le convertisseur manque de mémoire</translation>
    </message>
    <message>
        <source>The file is damaged at %1</source>
        <translation>Le fichier est endommagé à %1</translation>
    </message>
    <message>
        <source>The file is damaged</source>
        <translation>Le fichier est endommagé</translation>
    </message>
    <message>
        <source>The converter crashed (segmentation fault)</source>
        <translation>Le convertisseur a planté (erreur de segmentation)</translation>
    </message>
    <message>
        <source>The converter crashed (bus error)</source>
        <translation>Le convertisseur a planté (erreur de bus)</translation>
    </message>
    <message>
        <source>The converter crashed (illegal instruction)</source>
        <translation>Le convertisseur a planté (instruction illégale)</translation>
    </message>
    <message>
        <source>The converter crashed (arithmetic fault)</source>
        <translation>Le convertisseur a planté (erreur arithmétique)</translation>
    </message>
    <message>
        <source>The converter crashed (aborted)</source>
        <translation>Le convertisseur a planté (abandon)</translation>
    </message>
    <message>
        <source>The converter was killed (%1)</source>
        <translation>Le convertisseur a été arrêté de force (%1)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>signal %1</translation>
    </message>
    <message>
        <source>The encoder for %1 is not installed</source>
        <translation>L&apos;encodeur pour %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>The encoder cannot make this file with the preset&apos;s settings</source>
        <translation>L&apos;encodeur ne peut pas produire ce fichier avec les réglages du profil</translation>
    </message>
    <message>
        <source>The file holds no audio or video stream</source>
        <translation>Le fichier ne contient aucun flux audio ou vidéo</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be converted</source>
        <translation>Le codec vidéo du fichier (%1) ne peut pas être converti</translation>
    </message>
    <message>
        <source>The file&apos;s streams cannot be read</source>
        <translation>Les flux du fichier ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>Le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file cannot be read (%1)</source>
        <translation>Le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>Not a media file, or damaged</source>
        <translation>Pas un fichier multimédia, ou endommagé</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8</source>
        <translation>Le nom n&apos;est pas en UTF-8 valide</translation>
    </message>
    <message>
        <source>The encoder refused these settings: %1</source>
        <translation>L&apos;encodeur a refusé ces réglages : %1</translation>
    </message>
    <message>
        <source>The converter went on running after closing its output</source>
        <translation>Le convertisseur a continué de tourner après avoir fermé sa sortie</translation>
    </message>
    <message>
        <source>The converter stopped with exit status %1</source>
        <translation>Le convertisseur s&apos;est arrêté avec le code de sortie %1</translation>
    </message>
    <message>
        <source>A picture subtitle track cannot go into %1</source>
        <translation>Une piste de sous-titres en images ne peut pas aller dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n piste de sous-titres en images ne peut pas aller dans %1</numerusform>
            <numerusform>%n pistes de sous-titres en images ne peuvent pas aller dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A subtitle track cannot go into %1</source>
        <translation>Une piste de sous-titres ne peut pas aller dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n piste de sous-titres ne peut pas aller dans %1</numerusform>
            <numerusform>%n pistes de sous-titres ne peuvent pas aller dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>An attached file cannot go into %1</source>
        <translation>Un fichier joint ne peut pas aller dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attached files cannot go into %1</source>
        <translation>
            <numerusform>%n fichier joint ne peut pas aller dans %1</numerusform>
            <numerusform>%n fichiers joints ne peuvent pas aller dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>HDR is written without tone mapping: the converter has no zscale filter</source>
        <translation>La HDR est écrite sans mappage des tons&#xa0;: le convertisseur n&apos;a pas le filtre zscale</translation>
    </message>
    <message>
        <source>the input file ends early</source>
        <translation>le fichier d&apos;entrée s&apos;arrête trop tôt</translation>
    </message>
    <message>
        <source>Partly converted: %1</source>
        <translation>Converti en partie : %1</translation>
    </message>
    <message>
        <source>Converted %1 of %2: %3</source>
        <translation>%1 sur %2 convertis : %3</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made: %2</source>
        <translation>%1 : impossible de créer le dossier : %2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list?</source>
        <translation>Kelvora ne s&apos;est pas fermé correctement. Restaurer 1 fichier de la dernière liste&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list?</source>
        <translation>
            <numerusform>Kelvora ne s&apos;est pas fermé correctement. Restaurer %n fichier de la dernière liste&#xa0;?</numerusform>
            <numerusform>Kelvora ne s&apos;est pas fermé correctement. Restaurer les %n fichiers de la dernière liste&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>These files no longer exist and were left out of the list:</source>
        <translation>Ces fichiers n&apos;existent plus et ont été retirés de la liste&#xa0;:</translation>
    </message>
    <message>
        <source>kelvora: the session file %1 cannot be read; it was moved to %2</source>
        <translation>kelvora : le fichier de session %1 est illisible ; il a été déplacé vers %2</translation>
    </message>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list? It was still to be converted; if it was cut short, it starts over.</source>
        <translation>Kelvora ne s&apos;est pas fermé correctement. Restaurer le fichier de la dernière liste ? Il restait à convertir ; s&apos;il a été interrompu, il recommence depuis le début.</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list? %1 of them were still to be converted; files cut short start over.</source>
        <translation>
            <numerusform>Kelvora ne s&apos;est pas fermé correctement. Restaurer les %n fichiers de la dernière liste ? %1 d&apos;entre eux restaient à convertir ; les fichiers interrompus recommencent depuis le début.</numerusform>
            <numerusform>Kelvora ne s&apos;est pas fermé correctement. Restaurer les %n fichiers de la dernière liste ? %1 d&apos;entre eux restaient à convertir ; les fichiers interrompus recommencent depuis le début.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore and &amp;Go On Converting</source>
        <translation>Restaurer et &amp;continuer la conversion</translation>
    </message>
    <message>
        <source>&amp;Restore Only</source>
        <translation>&amp;Restaurer seulement</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>Cut short when Kelvora ended: it starts over from the beginning</source>
        <translation>Interrompu à la fermeture de Kelvora : recommence depuis le début</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>kelvora: %1: no such file or folder
</source>
        <translation>kelvora&#xa0;: %1&#xa0;: fichier ou dossier inexistant
</translation>
    </message>
    <message>
        <source>kelvora: cannot catch the stop signals
</source>
        <translation>kelvora&#xa0;: impossible d&apos;intercepter les signaux d&apos;arrêt
</translation>
    </message>
    <message>
        <source>kelvora: no private runtime folder (XDG_RUNTIME_DIR, or %1/kelvora-%2 of this user&apos;s, mode 700): running without the single-instance hand-over
</source>
        <translation>kelvora&#xa0;: aucun dossier d&apos;exécution privé (XDG_RUNTIME_DIR, ou %1/kelvora-%2 de cet utilisateur, mode 700)&#xa0;: lancement sans transmission à une instance déjà ouverte
</translation>
    </message>
    <message>
        <source>kelvora: cannot listen on %1: %2
</source>
        <translation>kelvora&#xa0;: impossible d&apos;écouter sur %1&#xa0;: %2
</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Waiting Convertion...</source>
        <translation>En attente…</translation>
    </message>
    <message>
        <source>Unknown Format!</source>
        <translation>Format inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Convertion Completed!</source>
        <translation>Conversion terminée&#xa0;!</translation>
    </message>
    <message>
        <source>User Canceled!</source>
        <translation>Annulé&#xa0;!</translation>
    </message>
    <message>
        <source>Convertion Failed!</source>
        <translation>Conversion échouée&#xa0;!</translation>
    </message>
    <message>
        <source>Converter Not Found!</source>
        <translation>Convertisseur absent&#xa0;!</translation>
    </message>
    <message>
        <source>Output Equals Input!</source>
        <translation>Sortie = entrée&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid Saving Folder!</source>
        <translation>Destination invalide&#xa0;!</translation>
    </message>
    <message>
        <source>Partly Converted</source>
        <translation>Converti en partie</translation>
    </message>
    <message>
        <source>Already Converted</source>
        <translation>Déjà converti</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Browse
Select a folder for target files</source>
        <translation>Parcourir
Choisir un dossier pour les fichiers convertis</translation>
    </message>
    <message>
        <source>Browse
Select a folder to target files</source>
        <translation>Parcourir
Choisir un dossier pour les fichiers convertis</translation>
    </message>
    <message>
        <source>Open Folder
Open the saving folder of target files</source>
        <translation>Ouvrir le dossier
Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>Open Folder
Open the target files saving folder</source>
        <translation>Ouvrir le dossier
Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>Add files to the list
Add a file to convertion list</source>
        <translation>Ajouter à la liste
Ajouter des fichiers à la liste de conversion</translation>
    </message>
    <message>
        <source>Add the media files of a folder
Add all media files from a folder</source>
        <translation>Ajouter les médias d&apos;un dossier
Ajouter tous les fichiers multimédias d&apos;un dossier</translation>
    </message>
    <message>
        <source>Remove every file from the list
Remove all listed files</source>
        <translation>Retirer tous les fichiers de la liste
Retirer tous les fichiers listés</translation>
    </message>
    <message>
        <source>Convert the ticked files
Convert listed files</source>
        <translation>Convertir les fichiers cochés
Convertir les fichiers de la liste</translation>
    </message>
    <message>
        <source>Convert the ticked files
Start converting</source>
        <translation>Convertir les fichiers cochés
Lancer la conversion</translation>
    </message>
    <message>
        <source>Skip the file being converted
Skip Current Media File</source>
        <translation>Passer le fichier en cours de conversion
Passer le fichier multimédia en cours</translation>
    </message>
    <message>
        <source>Stop converting
Stop all convertion</source>
        <translation>Arrêter la conversion
Arrêter toutes les conversions</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora</source>
        <translation>Informations et version du programme
À propos de Kelvora</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora 1.0</source>
        <translation>Informations et version du programme
À propos de Kelvora 1.0</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Kelvora Already Running!</source>
        <translation>Kelvora est déjà lancé&#xa0;!</translation>
    </message>
    <message>
        <source>Browse a folder for target media files</source>
        <translation>Choisir un dossier pour les fichiers convertis</translation>
    </message>
    <message>
        <source>Open the target files saving folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>Saving Folder:</source>
        <translation>Destination&#xa0;:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Solution:</source>
        <translation>Profil&#xa0;:</translation>
    </message>
    <message>
        <source>The help could not be opened: no viewer for %1 and no browser for %2.</source>
        <translation>Impossible d&apos;ouvrir l&apos;aide&#xa0;: aucune visionneuse pour %1 et aucun navigateur pour %2.</translation>
    </message>
    <message>
        <source>Browse for Target File Saving Folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>The Folder not exist!</source>
        <translation>Le dossier n&apos;existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>No File Selected!</source>
        <translation>Aucun fichier sélectionné&#xa0;!</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Adds, removes and converts the listed files</source>
        <translation>Ajoute, retire et convertit les fichiers de la liste</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Fichiers multimédias</translation>
    </message>
    <message>
        <source>The files to convert, each with its status</source>
        <translation>Les fichiers à convertir, chacun avec son état</translation>
    </message>
    <message>
        <source>Saving Folder</source>
        <translation>Dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Where the converted files are written</source>
        <translation>Où les fichiers convertis sont écrits</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>The format the files are converted to</source>
        <translation>Le format vers lequel les fichiers sont convertis</translation>
    </message>
    <message>
        <source>Choose a Solution</source>
        <translation>Choisir une solution</translation>
    </message>
    <message>
        <source>Opens the list of Solutions</source>
        <translation>Ouvre la liste des solutions</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Progression du lot</translation>
    </message>
</context>
</TS>
