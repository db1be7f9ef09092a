<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>About Kelvora</source>
        <translation>Sobre o Kelvora</translation>
    </message>
    <message>
        <source>Kelvora, Version 1.0</source>
        <translation>Kelvora, versão 1.0</translation>
    </message>
    <message>
        <source>Contact us if any questions:</source>
        <translation>Dúvidas? Fale conosco:</translation>
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
        <translation>1 arquivo não foi adicionado porque seu nome não é UTF-8 válido:</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added because their names are not valid UTF-8:</source>
        <translation>
            <numerusform>%n arquivo não foi adicionado porque seu nome não é UTF-8 válido:</numerusform>
            <numerusform>%n arquivos não foram adicionados porque seus nomes não são UTF-8 válido:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... e mais %n</numerusform>
            <numerusform>... e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 and %n more</source>
        <translation>
            <numerusform>%1: %2 e mais %n</numerusform>
            <numerusform>%1: %2 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file with another extension</source>
        <translation>1 arquivo com outra extensão</translation>
    </message>
    <message numerus="yes">
        <source>%n files with other extensions</source>
        <translation>
            <numerusform>%n arquivo com outra extensão</numerusform>
            <numerusform>%n arquivos com outras extensões</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file already listed</source>
        <translation>1 arquivo já na lista</translation>
    </message>
    <message numerus="yes">
        <source>%n files already listed</source>
        <translation>
            <numerusform>%n arquivo já na lista</numerusform>
            <numerusform>%n arquivos já na lista</numerusform>
        </translation>
    </message>
    <message>
        <source>1 name that is not valid UTF-8</source>
        <translation>1 nome que não é UTF-8 válido</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8</source>
        <translation>
            <numerusform>%n nome que não é UTF-8 válido</numerusform>
            <numerusform>%n nomes que não são UTF-8 válido</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file or folder that cannot be read</source>
        <translation>1 arquivo ou pasta que não pode ser lido</translation>
    </message>
    <message numerus="yes">
        <source>%n files or folders that cannot be read</source>
        <translation>
            <numerusform>%n arquivo ou pasta que não pode ser lido</numerusform>
            <numerusform>%n arquivos ou pastas que não podem ser lidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n media files added!</source>
        <translation>
            <numerusform>%n arquivo de mídia adicionado!</numerusform>
            <numerusform>%n arquivos de mídia adicionados!</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item was not added: %1</source>
        <translation>1 item não foi adicionado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items were not added: %1</source>
        <translation>
            <numerusform>%n item não foi adicionado: %1</numerusform>
            <numerusform>%n itens não foram adicionados: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a web address (%1)</source>
        <translation>um endereço web (%1)</translation>
    </message>
    <message>
        <source>a remote file (%1)</source>
        <translation>um arquivo remoto (%1)</translation>
    </message>
    <message>
        <source>a file that no longer exists (%1)</source>
        <translation>um arquivo que não existe mais (%1)</translation>
    </message>
    <message>
        <source>All files(*.*) (*)</source>
        <translation>Todos os arquivos (*.*) (*)</translation>
    </message>
    <message>
        <source>All media files (%1)</source>
        <translation>Todos os arquivos de mídia (%1)</translation>
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
        <translation>Arquivos MP3 (*.mp3) (*.mp3)</translation>
    </message>
    <message>
        <source>Audio Video Interleave Files(*.avi) (*.avi)</source>
        <translation>Arquivos Audio Video Interleave (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>Advanced Audio Coding Files(*.aac) (*.aac)</source>
        <translation>Arquivos Advanced Audio Coding (*.aac) (*.aac)</translation>
    </message>
    <message>
        <source>Advanced System Format Files(*.asf) (*.asf)</source>
        <translation>Arquivos Advanced Systems Format (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>AC3 Audio Files(*.ac3) (*.ac3)</source>
        <translation>Arquivos de áudio AC3 (*.ac3) (*.ac3)</translation>
    </message>
    <message>
        <source>VCD Files(*.dat) (*.dat)</source>
        <translation>Arquivos VCD (*.dat) (*.dat)</translation>
    </message>
    <message>
        <source>Video Transport Stream(*.ts) (*.ts)</source>
        <translation>Fluxo de transporte de vídeo (*.ts) (*.ts)</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Selecionar uma pasta</translation>
    </message>
    <message>
        <source>Adding media files...</source>
        <translation>Adicionando arquivos de mídia...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adding media files... %1 of %2</source>
        <translation>Adicionando arquivos de mídia... %1 de %2</translation>
    </message>
    <message>
        <source>Include sub folders</source>
        <translation>Incluir subpastas</translation>
    </message>
    <message>
        <source>1 link to a folder not followed</source>
        <translation>1 link para uma pasta não seguido</translation>
    </message>
    <message numerus="yes">
        <source>%n links to folders not followed</source>
        <translation>
            <numerusform>%n link para uma pasta não seguido</numerusform>
            <numerusform>%n links para pastas não seguidos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 media file in a sub folder: tick Include sub folders</source>
        <translation>1 arquivo de mídia em uma subpasta: marque Incluir subpastas</translation>
    </message>
    <message numerus="yes">
        <source>%n media files in sub folders: tick Include sub folders</source>
        <translation>
            <numerusform>%n arquivos de mídia em subpastas: marque Incluir subpastas</numerusform>
            <numerusform>%n arquivos de mídia em subpastas: marque Incluir subpastas</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a folder to watch</source>
        <translation>Escolher uma pasta para vigiar</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Converting 1 file</source>
        <translation>Convertendo 1 arquivo</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files</source>
        <translation>
            <numerusform>Convertendo %n arquivo</numerusform>
            <numerusform>Convertendo %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n falha</numerusform>
            <numerusform>%n falhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files done</source>
        <translation>
            <numerusform>%1 de %n pronto</numerusform>
            <numerusform>%1 de %n prontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pausado: %1</translation>
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
        <translation>faltam %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message numerus="yes">
        <source>%n partly converted</source>
        <translation>
            <numerusform>%n convertidos em parte</numerusform>
            <numerusform>%n convertidos em parte</numerusform>
        </translation>
    </message>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>O barramento do sistema não pode ser acessado.</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted</source>
        <translation>
            <numerusform>%n já convertido</numerusform>
            <numerusform>%n já convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not there)</source>
        <translation>%1 (ausente)</translation>
    </message>
    <message>
        <source>Watching: %1</source>
        <translation>Vigiando: %1</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Desligar agora</translation>
    </message>
    <message>
        <source>Suspend Now</source>
        <translation>Suspender agora</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>A conversão terminou. O computador desliga em %n segundo.</numerusform>
            <numerusform>A conversão terminou. O computador desliga em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer is suspended in %n seconds.</source>
        <translation>
            <numerusform>A conversão terminou. O computador será suspenso em %n segundo.</numerusform>
            <numerusform>A conversão terminou. O computador será suspenso em %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer could not be powered off: %1</source>
        <translation>Não foi possível desligar o computador: %1</translation>
    </message>
    <message>
        <source>The computer could not be suspended: %1</source>
        <translation>Não foi possível suspender o computador: %1</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>option --output needs a folder</source>
        <translation>a opção --output precisa de uma pasta</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation>--jobs aceita um número de 1 a 64, não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--size takes 1080p, 720p, 480p or keep, not &apos;%1&apos;</source>
        <translation>--size aceita 1080p, 720p, 480p ou keep, não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option --from needs a list file, or - for standard input</source>
        <translation>a opção --from precisa de um arquivo de lista, ou - para a entrada padrão</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1: não foi possível escrever na saída padrão: %2
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Tente &apos;%1 --help&apos; para mais informações.
</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>não foi possível ler a lista %1: %2</translation>
    </message>
    <message>
        <source>Not started: the batch was stopped</source>
        <translation>Não iniciado: o lote foi interrompido</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 not converted, in %4</source>
        <translation>Arquivos: %1; convertidos: %2; não convertidos: %3; tempo: %4</translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <translation>; interrompido por %1</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Arquivo inexistente</translation>
    </message>
    <message>
        <source>%1 %2%  %3/%4 files done  elapsed %5  left %6</source>
        <translation>%1 %2%  %3/%4 arquivos prontos  decorrido %5  faltam %6</translation>
    </message>
    <message>
        <source>%1: cannot install the signal handlers
</source>
        <translation>%1: não foi possível instalar os manipuladores de sinais
</translation>
    </message>
    <message>
        <source>no preset given (--preset ID|NAME; see --list-presets)</source>
        <translation>nenhum perfil informado (--preset ID|NOME; veja --list-presets)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are:
%2</source>
        <translation>perfil desconhecido &apos;%1&apos;; os perfis são:
%2</translation>
    </message>
    <message>
        <source>ambiguous preset &apos;%1&apos;; the presets it matches are:
%2</source>
        <translation>perfil ambíguo &apos;%1&apos;; os perfis correspondentes são:
%2</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be made or written to</source>
        <translation>não foi possível criar a pasta de destino %1 nem escrever nela</translation>
    </message>
    <message>
        <source>no files to convert</source>
        <translation>nenhum arquivo para converter</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 partly converted, %4 not converted, in %5</source>
        <translation>%1 arquivos: %2 convertidos, %3 convertidos em parte, %4 não convertidos, em %5</translation>
    </message>
    <message>
        <source>option --watch needs a folder</source>
        <translation>a opção --watch precisa de uma pasta</translation>
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
        <translation>Uso: kelvora-convert --preset ID|NOME [OPÇÃO]... ARQUIVO|PASTA...
     kelvora-convert --preset ID|NOME [OPÇÃO]... --from LISTA
     kelvora-convert --preset ID|NOME [OPÇÃO]... --watch PASTA [ARQUIVO|PASTA]...
Converte arquivos de mídia com os perfis do Kelvora, sem janela.

Cada arquivo é convertido com a mesma linha de comando do conversor, a mesma
nomeação de saída e os mesmos status da janela do Kelvora. Uma PASTA adiciona
os arquivos de mídia que contém, como faz Adicionar pasta (sem diferenciar
maiúsculas e minúsculas; arquivos e pastas ocultos são ignorados); o que fica
de fora é informado na saída de erro padrão.

Opções:
  -p, --preset ID|NOME  o formato de destino: o id de um perfil, seu texto em
                        inglês no menu ou na caixa Perfil (sem diferenciar
                        maiúsculas), ou uma parte de um deles que só um perfil
                        tenha (&quot;wmv&quot;, &quot;ipod - high&quot;)
  -o, --output PASTA    a pasta de destino (padrão: a pasta atual); ela é
                        criada se não existir
  -j, --jobs N          converte N arquivos por vez, de 1 a 64 (padrão: um por
                        núcleo do processador, no máximo 8)
      --size TAMANHO    a maior altura de imagem dos perfis que a aceitam:
                        1080p, 720p, 480p ou keep (padrão: keep)
      --from LISTA      também converte os caminhos do arquivo LISTA, um por
                        linha (&quot;-&quot; lê a entrada padrão); caminhos relativos
                        partem da pasta atual
  -r, --recursive       uma PASTA também fornece os arquivos de mídia de suas
                        subpastas; cada saída vai para o mesmo caminho relativo
                        sob a pasta de saída (pastas criadas quando preciso)
      --flat            cada saída vai direto para a pasta de saída
      --skip-existing   um arquivo cuja saída (mesmo nome na sua pasta de saída)
                        já existe não é convertido de novo: é informado como
                        &quot;Already Converted&quot;
      --watch PASTA     vigiar PASTA (várias vezes para várias pastas; com -r
                        também suas subpastas) pelas notificações de arquivos
                        do kernel (inotify) e converter cada arquivo de mídia
                        que chega assim que estiver completo: escrito e
                        fechado, ou movido para dentro, e com o tamanho sem
                        mudar por dois segundos. Arquivos ocultos e parciais
                        nunca são pegos; os arquivos presentes no início contam
                        como chegados e, como com --skip-existing, um arquivo
                        cuja saída existe não é convertido de novo. Roda até
                        SIGTERM ou SIGINT
  -0, --null            as listas de --from são separadas por caracteres NUL
                        (como find -print0 as escreve), para nomes com quebras
                        de linha
      --json            imprime um objeto JSON por linha para cada arquivo
                        concluído: input, output, status, reason, seconds e,
                        quando o conversor informou, speed (segundos de mídia
                        por segundo)
                        num arquivo convertido, reason cita as faixas que sua
                        saída não pôde receber
      --no-keep-dates   data cada saída com a hora atual em vez da hora de
                        modificação da sua entrada
      --no-inhibit      deixa o computador suspender quando ocioso durante o
                        lote (por padrão, a suspensão é inibida enquanto ele
                        é executado)
      --list-presets    imprime o id, o grupo e o nome de cada perfil e se o
                        conversor consegue criá-lo, depois sai
  -h, --help            mostra esta ajuda e sai
      --version         mostra a versão e sai
      --                todo argumento depois dele é um arquivo ou pasta, mesmo
                        que comece com -

Em um terminal, uma linha ao vivo mostra cada arquivo em andamento e uma barra
mostra os arquivos concluídos, o tempo decorrido e o restante; caso contrário,
é impressa uma linha para cada arquivo concluído. O resumo vai para a saída de
erro padrão. Ctrl-C, SIGTERM ou SIGHUP (um terminal fechado) interrompem
imediatamente: as conversões em andamento terminam sem deixar arquivos
parciais. Ctrl-Z pausa as conversões em andamento junto com o programa; fg as
retoma.

Status de saída:
  0    todos os arquivos foram convertidos ou já estavam convertidos
  1    algum arquivo não foi convertido (falhou, tem formato desconhecido ou
       não foi iniciado), ou não foi possível escrever na saída padrão
  2    erro de uso: opção ou perfil desconhecido, nenhum arquivo, pasta de
       destino sem permissão de escrita
  129  interrompido por SIGHUP
  130  interrompido por SIGINT (Ctrl-C)
  143  interrompido por SIGTERM

Exemplos:
  kelvora-convert --preset wmv --output ~/converted ~/Videos
  kelvora-convert -p 24 -r --skip-existing -o ~/Music/mp3 ~/Music/flac
  kelvora-convert -p 24 -o ~/Converted --watch ~/Incoming
  find /media -name &apos;*.mp4&apos; -print0 | kelvora-convert -p 19 --null --from -
</translation>
    </message>
    <message>
        <source>%1: watching %2
</source>
        <translation>%1: vigiando %2
</translation>
    </message>
    <message>
        <source>%1: %2: %3; it is watched again when it is back
</source>
        <translation>%1: %2: %3; será vigiada de novo quando voltar
</translation>
    </message>
    <message>
        <source>%1 files: %2 converted, %3 already converted, %4 not converted, in %5</source>
        <translation>%1 arquivos: %2 convertidos, %3 já convertidos, %4 não convertidos, em %5</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be a watched folder</source>
        <translation>a pasta de saída %1 não pode ser uma pasta vigiada</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Media Converter</source>
        <translation>Conversor de mídia</translation>
    </message>
    <message>
        <source>Convert audio and video files to another format in one batch</source>
        <translation>Converta arquivos de áudio e vídeo para outro formato em lote</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(.EXE não Win32 ou erro na imagem .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do nome de arquivo
está incompleta ou é inválida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Não foi possível concluir a transação DDE
porque o tempo da solicitação se esgotou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Não foi possível concluir a transação DDE
porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhum aplicativo associado
à extensão de arquivo informada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Não foi possível abrir o hiperlink:

%1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Unknown</source>
        <translation>Desconhecida</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
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
        <translation>Convertendo...</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Remover todos</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>E&amp;xit                  </source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Convertion</source>
        <translation>&amp;Conversão</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Converter todos</translation>
    </message>
    <message>
        <source>Convert Selected Files</source>
        <translation>Converter selecionados</translation>
    </message>
    <message>
        <source>Retry Failed Files</source>
        <translation>Repetir arquivos com falha</translation>
    </message>
    <message>
        <source>Pause Convertion</source>
        <translation>Pausar conversão</translation>
    </message>
    <message>
        <source>Stop Current Convertion</source>
        <translation>Parar conversão atual</translation>
    </message>
    <message>
        <source>Stop All Convertion</source>
        <translation>Parar todas as conversões</translation>
    </message>
    <message>
        <source>Select Failed Files</source>
        <translation>Selecionar arquivos com falha</translation>
    </message>
    <message>
        <source>Simultaneous Conversions</source>
        <translation>Conversões simultâneas</translation>
    </message>
    <message>
        <source>One at a Time</source>
        <translation>Uma por vez</translation>
    </message>
    <message>
        <source>2 at a Time</source>
        <translation>2 por vez</translation>
    </message>
    <message>
        <source>4 at a Time</source>
        <translation>4 por vez</translation>
    </message>
    <message>
        <source>As Many as Processor Cores</source>
        <translation>Uma por núcleo do processador</translation>
    </message>
    <message>
        <source>Modern Video Size</source>
        <translation>Tamanho de Vídeo moderno</translation>
    </message>
    <message>
        <source>Keep Size</source>
        <translation>Manter tamanho</translation>
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
        <translation>Impedir a suspensão</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Help(F1)</source>
        <translation>Ajuda (F1)</translation>
    </message>
    <message>
        <source>&amp;About Kelvora     </source>
        <translation>&amp;Sobre o Kelvora</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Add Files          </source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Remover todos os arquivos</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Convert All Listed Files</source>
        <translation>Converter toda a lista</translation>
    </message>
    <message>
        <source>Skip Current Convertion</source>
        <translation>Pular conversão atual</translation>
    </message>
    <message>
        <source>Cancel This File</source>
        <translation>Cancelar este arquivo</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Keep Original File Dates</source>
        <translation>Manter as datas originais dos arquivos</translation>
    </message>
    <message>
        <source>Resume Convertion</source>
        <translation>Retomar a conversão</translation>
    </message>
    <message>
        <source>Watch Folder...</source>
        <translation>Vigiar pasta...</translation>
    </message>
    <message>
        <source>Stop Watching Folders</source>
        <translation>Parar de vigiar pastas</translation>
    </message>
    <message>
        <source>Convert As They Arrive</source>
        <translation>Converter ao chegar</translation>
    </message>
    <message>
        <source>Make a New Name</source>
        <translation>Criar um novo nome</translation>
    </message>
    <message>
        <source>Skip the File</source>
        <translation>Pular o arquivo</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Quit Kelvora</source>
        <translation>Sair do Kelvora</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Only If All Succeeded</source>
        <translation>Só se tudo deu certo</translation>
    </message>
    <message>
        <source>When the Output Exists</source>
        <translation>Quando a saída existe</translation>
    </message>
    <message>
        <source>When Done</source>
        <translation>Ao terminar</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>1 file converted</source>
        <translation>1 arquivo convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n arquivo convertido</numerusform>
            <numerusform>%n arquivos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 failed, %3 canceled</source>
        <translation>%1; com falha: %2; cancelados: %3</translation>
    </message>
    <message>
        <source>Kelvora: the batch has ended</source>
        <translation>Kelvora: o lote terminou</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n partly converted</source>
        <translation>
            <numerusform>%1, %n convertidos em parte</numerusform>
            <numerusform>%1, %n convertidos em parte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>General Video</source>
        <translation>Vídeo geral</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>wmv file</source>
        <translation>arquivo WMV</translation>
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
        <translation>arquivo AVI</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>asf file</source>
        <translation>arquivo ASF</translation>
    </message>
    <message>
        <source>MPEG1 Movie (*.mpg)</source>
        <translation>Filme MPEG1 (*.mpg)</translation>
    </message>
    <message>
        <source>mpg file</source>
        <translation>arquivo MPG</translation>
    </message>
    <message>
        <source>MPEG2 Movie (*.vob)</source>
        <translation>Filme MPEG2 (*.vob)</translation>
    </message>
    <message>
        <source>vob file</source>
        <translation>arquivo VOB</translation>
    </message>
    <message>
        <source>MPEG4 Movie (*.mp4)</source>
        <translation>Filme MPEG4 (*.mp4)</translation>
    </message>
    <message>
        <source>mp4 file</source>
        <translation>arquivo MP4</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Áudio geral</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>wma file</source>
        <translation>arquivo WMA</translation>
    </message>
    <message>
        <source>Mp3 - Mpeg Audio Layer3 (*.mp3)</source>
        <translation>MP3 - MPEG Audio Layer 3 (*.mp3)</translation>
    </message>
    <message>
        <source>Mp3 Audio (*.mp3)</source>
        <translation>Áudio MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>mp3 file</source>
        <translation>arquivo MP3</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Celular</translation>
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
        <translation>arquivo 3GP</translation>
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
        <translation>arquivo 3G2</translation>
    </message>
    <message>
        <source>BlackBerry 3GP (*.3gp)</source>
        <translation>BlackBerry 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>BlackBerry 3GP file</source>
        <translation>arquivo 3GP do BlackBerry</translation>
    </message>
    <message>
        <source>Apple iPod</source>
        <translation>Apple iPod</translation>
    </message>
    <message>
        <source>iPod - High Quarlity (*.mp4)</source>
        <translation>iPod - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - High Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Normal Quarlity (*.mp4)</source>
        <translation>iPod - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>iPod - Low Quarlity (*.mp4)</source>
        <translation>iPod - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPod - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPod - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>Apple iPhone</source>
        <translation>Apple iPhone</translation>
    </message>
    <message>
        <source>iPhone - High Quarlity (*.mp4)</source>
        <translation>iPhone - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - High Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Normal Quarlity (*.mp4)</source>
        <translation>iPhone - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Normal Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>iPhone - Low Quarlity (*.mp4)</source>
        <translation>iPhone - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>APPLE iPhone - Low Quarlity (*.mp4)</source>
        <translation>APPLE iPhone - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>Sony PSP/PS3</source>
        <translation>Sony PSP/PS3</translation>
    </message>
    <message>
        <source>PSP - High Quarlity (*.mp4)</source>
        <translation>PSP - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - High Quarlity (*.mp4)</source>
        <translation>SONY PSP - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Normal Quarlity (*.mp4)</source>
        <translation>PSP - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Normal Quarlity (*.mp4)</source>
        <translation>SONY PSP - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>PSP - Low Quarlity (*.mp4)</source>
        <translation>PSP - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PSP - Low Quarlity (*.mp4)</source>
        <translation>SONY PSP - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - High Quarlity (*.mp4)</source>
        <translation>PS3 - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - High Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Normal Quarlity (*.mp4)</source>
        <translation>PS3 - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Normal Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>PS3 - Low Quarlity (*.mp4)</source>
        <translation>PS3 - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>SONY PS3 - Low Quarlity (*.mp4)</source>
        <translation>SONY PS3 - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>DV - Digital Video (*.dv)</source>
        <translation>DV - Vídeo digital (*.dv)</translation>
    </message>
    <message>
        <source>dv file</source>
        <translation>arquivo DV</translation>
    </message>
    <message>
        <source>Modern Video</source>
        <translation>Vídeo moderno</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.264/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.264/AAC - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - High Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Alta qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Normal Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Qualidade normal (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - H.265/AAC - Low Quality (*.mp4)</source>
        <translation>MP4 - H.265/AAC - Baixa qualidade (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - High Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Alta qualidade (*.webm)</translation>
    </message>
    <message>
        <source>webm file</source>
        <translation>arquivo WebM</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Normal Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Qualidade normal (*.webm)</translation>
    </message>
    <message>
        <source>WebM - VP9/Opus - Low Quality (*.webm)</source>
        <translation>WebM - VP9/Opus - Baixa qualidade (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - High Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Alta qualidade (*.mkv)</translation>
    </message>
    <message>
        <source>mkv file</source>
        <translation>arquivo MKV</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Normal Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Qualidade normal (*.mkv)</translation>
    </message>
    <message>
        <source>MKV - AV1/Opus - Low Quality (*.mkv)</source>
        <translation>MKV - AV1/Opus - Baixa qualidade (*.mkv)</translation>
    </message>
    <message>
        <source>Same Quality</source>
        <translation>Mesma qualidade</translation>
    </message>
    <message>
        <source>MKV - Keep Streams, No Re-encoding (*.mkv)</source>
        <translation>MKV - Manter fluxos, sem recodificar (*.mkv)</translation>
    </message>
    <message>
        <source>MP4 - Keep Streams, No Re-encoding (*.mp4)</source>
        <translation>MP4 - Manter fluxos, sem recodificar (*.mp4)</translation>
    </message>
    <message>
        <source>Modern Audio</source>
        <translation>Áudio moderno</translation>
    </message>
    <message>
        <source>M4A - AAC (*.m4a)</source>
        <translation>M4A - AAC (*.m4a)</translation>
    </message>
    <message>
        <source>m4a file</source>
        <translation>arquivo M4A</translation>
    </message>
    <message>
        <source>Opus (*.opus)</source>
        <translation>Opus (*.opus)</translation>
    </message>
    <message>
        <source>opus file</source>
        <translation>arquivo Opus</translation>
    </message>
    <message>
        <source>FLAC - Lossless (*.flac)</source>
        <translation>FLAC - Sem perdas (*.flac)</translation>
    </message>
    <message>
        <source>flac file</source>
        <translation>arquivo FLAC</translation>
    </message>
    <message>
        <source>MP3 - High Quality VBR (*.mp3)</source>
        <translation>MP3 - VBR de alta qualidade (*.mp3)</translation>
    </message>
    <message>
        <source>WAV - Uncompressed (*.wav)</source>
        <translation>WAV - Sem compressão (*.wav)</translation>
    </message>
    <message>
        <source>wav file</source>
        <translation>arquivo WAV</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Media Information</source>
        <translation>Informações de mídia</translation>
    </message>
    <message>
        <source>Video Information</source>
        <translation>Informações de vídeo</translation>
    </message>
    <message>
        <source>Audio Information</source>
        <translation>Informações de áudio</translation>
    </message>
    <message>
        <source>Media Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Media Bitrate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>Formato de vídeo</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Audio Format</source>
        <translation>Formato de áudio</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>Attached file</source>
        <translation>Arquivo anexado</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canais</numerusform>
        </translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>imagens</translation>
    </message>
    <message>
        <source>default</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forçada</translation>
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
        <translation>Codec</translation>
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
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Fluxos</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>No saving folder is chosen</source>
        <translation>Nenhuma pasta de destino foi escolhida</translation>
    </message>
    <message>
        <source>%1: the saving folder is not an absolute path</source>
        <translation>%1: a pasta de destino não é um caminho absoluto</translation>
    </message>
    <message>
        <source>%1: no free temporary name</source>
        <translation>%1: nenhum nome temporário livre</translation>
    </message>
    <message>
        <source>%1: the saving folder cannot be created</source>
        <translation>%1: não é possível criar a pasta de destino</translation>
    </message>
    <message>
        <source>The converter wrote no output file</source>
        <translation>O conversor não gravou nenhum arquivo de saída</translation>
    </message>
    <message>
        <source>The converter wrote an empty output file</source>
        <translation>O conversor gravou um arquivo de saída vazio</translation>
    </message>
    <message>
        <source>The converter&apos;s output cannot be read as media</source>
        <translation>A saída do conversor não pode ser lida como mídia</translation>
    </message>
    <message>
        <source>The converter&apos;s output holds no audio or video</source>
        <translation>A saída do conversor não contém áudio nem vídeo</translation>
    </message>
    <message>
        <source>The converter has no %1 encoder.</source>
        <translation>O conversor não tem o codificador %1.</translation>
    </message>
    <message>
        <source>The converter has neither the %1 nor the %2 encoder.</source>
        <translation>O conversor não tem nem o codificador %1 nem o %2.</translation>
    </message>
    <message>
        <source>The converter did not list its encoders.</source>
        <translation>O conversor não listou seus codificadores.</translation>
    </message>
    <message>
        <source>The file holds a stream that cannot be decoded</source>
        <translation>O arquivo contém um fluxo que não pode ser decodificado</translation>
    </message>
    <message>
        <source>The file&apos;s audio codec (%1) cannot be decoded</source>
        <translation>O codec de áudio do arquivo (%1) não pode ser decodificado</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be decoded</source>
        <translation>O codec de vídeo do arquivo (%1) não pode ser decodificado</translation>
    </message>
    <message>
        <source>The file&apos;s codec %1 cannot be decoded</source>
        <translation>O codec %1 do arquivo não pode ser decodificado</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>O disco está cheio</translation>
    </message>
    <message>
        <source>The disk quota is used up</source>
        <translation>A cota de disco se esgotou</translation>
    </message>
    <message>
        <source>The output is too large for the saving folder&apos;s file system</source>
        <translation>A saída é grande demais para o sistema de arquivos da pasta de destino</translation>
    </message>
    <message>
        <source>The saving folder is on a read-only disk</source>
        <translation>A pasta de destino está em um disco somente leitura</translation>
    </message>
    <message>
        <source>The disk cannot be read or written (input/output error)</source>
        <translation>Não é possível ler nem gravar no disco (erro de entrada/saída)</translation>
    </message>
    <message>
        <source>The converter ran out of memory</source>
        <translation>O conversor ficou sem memória</translation>
    </message>
    <message>
        <source>The file is damaged at %1</source>
        <translation>O arquivo está danificado em %1</translation>
    </message>
    <message>
        <source>The file is damaged</source>
        <translation>O arquivo está danificado</translation>
    </message>
    <message>
        <source>The converter crashed (segmentation fault)</source>
        <translation>O conversor parou inesperadamente (falha de segmentação)</translation>
    </message>
    <message>
        <source>The converter crashed (bus error)</source>
        <translation>O conversor parou inesperadamente (erro de barramento)</translation>
    </message>
    <message>
        <source>The converter crashed (illegal instruction)</source>
        <translation>O conversor parou inesperadamente (instrução ilegal)</translation>
    </message>
    <message>
        <source>The converter crashed (arithmetic fault)</source>
        <translation>O conversor parou inesperadamente (erro aritmético)</translation>
    </message>
    <message>
        <source>The converter crashed (aborted)</source>
        <translation>O conversor parou inesperadamente (abortado)</translation>
    </message>
    <message>
        <source>The converter was killed (%1)</source>
        <translation>O conversor foi encerrado à força (%1)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>sinal %1</translation>
    </message>
    <message>
        <source>The encoder for %1 is not installed</source>
        <translation>O codificador de %1 não está instalado</translation>
    </message>
    <message>
        <source>The encoder cannot make this file with the preset&apos;s settings</source>
        <translation>O codificador não consegue criar este arquivo com as configurações do perfil</translation>
    </message>
    <message>
        <source>The file holds no audio or video stream</source>
        <translation>O arquivo não contém nenhum fluxo de áudio ou vídeo</translation>
    </message>
    <message>
        <source>The file&apos;s video codec (%1) cannot be converted</source>
        <translation>O codec de vídeo do arquivo (%1) não pode ser convertido</translation>
    </message>
    <message>
        <source>The file&apos;s streams cannot be read</source>
        <translation>Os fluxos do arquivo não podem ser lidos</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>O arquivo não existe</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>The file cannot be read (%1)</source>
        <translation>O arquivo não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>Not a media file, or damaged</source>
        <translation>Não é um arquivo de mídia, ou está danificado</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8</source>
        <translation>O nome não é UTF-8 válido</translation>
    </message>
    <message>
        <source>The encoder refused these settings: %1</source>
        <translation>O codificador recusou estas configurações: %1</translation>
    </message>
    <message>
        <source>The converter went on running after closing its output</source>
        <translation>O conversor continuou em execução depois de fechar sua saída</translation>
    </message>
    <message>
        <source>The converter stopped with exit status %1</source>
        <translation>O conversor terminou com o status de saída %1</translation>
    </message>
    <message>
        <source>A picture subtitle track cannot go into %1</source>
        <translation>Uma faixa de legendas em imagem não cabe em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n faixa de legendas em imagem não cabe em %1</numerusform>
            <numerusform>%n faixas de legendas em imagem não cabem em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A subtitle track cannot go into %1</source>
        <translation>Uma faixa de legendas não cabe em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks cannot go into %1</source>
        <translation>
            <numerusform>%n faixa de legendas não cabe em %1</numerusform>
            <numerusform>%n faixas de legendas não cabem em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>An attached file cannot go into %1</source>
        <translation>Um arquivo anexado não cabe em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attached files cannot go into %1</source>
        <translation>
            <numerusform>%n arquivo anexado não cabe em %1</numerusform>
            <numerusform>%n arquivos anexados não cabem em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>HDR is written without tone mapping: the converter has no zscale filter</source>
        <translation>O HDR é gravado sem mapeamento de tons: o conversor não tem o filtro zscale</translation>
    </message>
    <message>
        <source>the input file ends early</source>
        <translation>o arquivo de entrada termina antes do tempo</translation>
    </message>
    <message>
        <source>Partly converted: %1</source>
        <translation>Convertido em parte: %1</translation>
    </message>
    <message>
        <source>Converted %1 of %2: %3</source>
        <translation>Convertido %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 já existe</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made: %2</source>
        <translation>%1: não é possível criar a pasta: %2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list?</source>
        <translation>O Kelvora não foi fechado corretamente. Restaurar 1 arquivo da última lista?</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list?</source>
        <translation>
            <numerusform>O Kelvora não foi fechado corretamente. Restaurar %n arquivo da última lista?</numerusform>
            <numerusform>O Kelvora não foi fechado corretamente. Restaurar os %n arquivos da última lista?</numerusform>
        </translation>
    </message>
    <message>
        <source>These files no longer exist and were left out of the list:</source>
        <translation>Estes arquivos não existem mais e foram deixados fora da lista:</translation>
    </message>
    <message>
        <source>kelvora: the session file %1 cannot be read; it was moved to %2</source>
        <translation>kelvora: o arquivo de sessão %1 não pode ser lido; ele foi movido para %2</translation>
    </message>
    <message>
        <source>Kelvora did not close properly. Restore the 1 file of the last list? It was still to be converted; if it was cut short, it starts over.</source>
        <translation>O Kelvora não foi fechado corretamente. Restaurar o arquivo da última lista? Ele ainda seria convertido; se foi interrompido, recomeça do início.</translation>
    </message>
    <message numerus="yes">
        <source>Kelvora did not close properly. Restore the %n files of the last list? %1 of them were still to be converted; files cut short start over.</source>
        <translation>
            <numerusform>O Kelvora não foi fechado corretamente. Restaurar os %n arquivos da última lista? %1 deles ainda seriam convertidos; arquivos interrompidos recomeçam do início.</numerusform>
            <numerusform>O Kelvora não foi fechado corretamente. Restaurar os %n arquivos da última lista? %1 deles ainda seriam convertidos; arquivos interrompidos recomeçam do início.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore and &amp;Go On Converting</source>
        <translation>Restaurar e &amp;continuar convertendo</translation>
    </message>
    <message>
        <source>&amp;Restore Only</source>
        <translation>Apenas &amp;restaurar</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>Cut short when Kelvora ended: it starts over from the beginning</source>
        <translation>Interrompido quando o Kelvora foi fechado: recomeça do início</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>kelvora: %1: no such file or folder
</source>
        <translation>kelvora: %1: arquivo ou pasta inexistente
</translation>
    </message>
    <message>
        <source>kelvora: cannot catch the stop signals
</source>
        <translation>kelvora: não foi possível capturar os sinais de parada
</translation>
    </message>
    <message>
        <source>kelvora: no private runtime folder (XDG_RUNTIME_DIR, or %1/kelvora-%2 of this user&apos;s, mode 700): running without the single-instance hand-over
</source>
        <translation>kelvora: nenhuma pasta de execução privada (XDG_RUNTIME_DIR, ou %1/kelvora-%2 deste usuário, modo 700): executando sem a passagem para a instância única
</translation>
    </message>
    <message>
        <source>kelvora: cannot listen on %1: %2
</source>
        <translation>kelvora: não foi possível escutar em %1: %2
</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Waiting Convertion...</source>
        <translation>Aguardando...</translation>
    </message>
    <message>
        <source>Unknown Format!</source>
        <translation>Formato desconhecido!</translation>
    </message>
    <message>
        <source>Convertion Completed!</source>
        <translation>Conversão concluída!</translation>
    </message>
    <message>
        <source>User Canceled!</source>
        <translation>Cancelado!</translation>
    </message>
    <message>
        <source>Convertion Failed!</source>
        <translation>Falha na conversão!</translation>
    </message>
    <message>
        <source>Converter Not Found!</source>
        <translation>Conversor ausente!</translation>
    </message>
    <message>
        <source>Output Equals Input!</source>
        <translation>Saída igual à entrada!</translation>
    </message>
    <message>
        <source>Invalid Saving Folder!</source>
        <translation>Destino inválido!</translation>
    </message>
    <message>
        <source>Partly Converted</source>
        <translation>Convertido em parte</translation>
    </message>
    <message>
        <source>Already Converted</source>
        <translation>Já convertido</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Browse
Select a folder for target files</source>
        <translation>Procurar
Escolher uma pasta para os arquivos de destino</translation>
    </message>
    <message>
        <source>Browse
Select a folder to target files</source>
        <translation>Procurar
Escolher uma pasta para os arquivos de destino</translation>
    </message>
    <message>
        <source>Open Folder
Open the saving folder of target files</source>
        <translation>Abrir pasta
Abrir a pasta de destino dos arquivos</translation>
    </message>
    <message>
        <source>Open Folder
Open the target files saving folder</source>
        <translation>Abrir pasta
Abrir a pasta onde os arquivos de destino são salvos</translation>
    </message>
    <message>
        <source>Add files to the list
Add a file to convertion list</source>
        <translation>Adicionar arquivos à lista
Adicionar um arquivo à lista de conversão</translation>
    </message>
    <message>
        <source>Add the media files of a folder
Add all media files from a folder</source>
        <translation>Adicionar os arquivos de mídia de uma pasta
Adicionar todos os arquivos de mídia de uma pasta</translation>
    </message>
    <message>
        <source>Remove every file from the list
Remove all listed files</source>
        <translation>Remover todos os arquivos da lista
Remover todos os arquivos</translation>
    </message>
    <message>
        <source>Convert the ticked files
Convert listed files</source>
        <translation>Converter os arquivos marcados
Converter os arquivos da lista</translation>
    </message>
    <message>
        <source>Convert the ticked files
Start converting</source>
        <translation>Converter os arquivos marcados
Iniciar a conversão</translation>
    </message>
    <message>
        <source>Skip the file being converted
Skip Current Media File</source>
        <translation>Pular o arquivo em conversão
Pular o arquivo atual</translation>
    </message>
    <message>
        <source>Stop converting
Stop all convertion</source>
        <translation>Parar a conversão
Parar todas as conversões</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora</source>
        <translation>Informações e versão do programa
Sobre o Kelvora</translation>
    </message>
    <message>
        <source>Program information and version
About Kelvora 1.0</source>
        <translation>Informações e versão do programa
Sobre o Kelvora 1.0</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Kelvora Already Running!</source>
        <translation>O Kelvora já está em execução!</translation>
    </message>
    <message>
        <source>Browse a folder for target media files</source>
        <translation>Escolher uma pasta para os arquivos de destino</translation>
    </message>
    <message>
        <source>Open the target files saving folder</source>
        <translation>Abrir a pasta de destino dos arquivos</translation>
    </message>
    <message>
        <source>Saving Folder:</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Solution:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>The help could not be opened: no viewer for %1 and no browser for %2.</source>
        <translation>Não foi possível abrir a ajuda: nenhum visualizador para %1 e nenhum navegador para %2.</translation>
    </message>
    <message>
        <source>Browse for Target File Saving Folder</source>
        <translation>Escolher a pasta de destino</translation>
    </message>
    <message>
        <source>The Folder not exist!</source>
        <translation>A pasta não existe!</translation>
    </message>
    <message>
        <source>No File Selected!</source>
        <translation>Nenhum arquivo selecionado!</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Adds, removes and converts the listed files</source>
        <translation>Adiciona, remove e converte os arquivos da lista</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Arquivos de mídia</translation>
    </message>
    <message>
        <source>The files to convert, each with its status</source>
        <translation>Os arquivos a converter, cada um com seu status</translation>
    </message>
    <message>
        <source>Saving Folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Where the converted files are written</source>
        <translation>Onde os arquivos convertidos são gravados</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solução</translation>
    </message>
    <message>
        <source>The format the files are converted to</source>
        <translation>O formato para o qual os arquivos são convertidos</translation>
    </message>
    <message>
        <source>Choose a Solution</source>
        <translation>Escolher uma solução</translation>
    </message>
    <message>
        <source>Opens the list of Solutions</source>
        <translation>Abre a lista de soluções</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Progresso do lote</translation>
    </message>
</context>
</TS>
