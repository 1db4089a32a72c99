#include "i18n/message_catalog.h"

#include "document/text_encoding.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <string_view>

using namespace std::string_view_literals;

namespace {

struct TableShape {
    CatalogTable table;
    int rows;
    int bufferSize;
};

struct SampleRow {
    CatalogTable table;
    int row;
    std::array<std::string_view, 6> texts; // Spanish, Portuguese, French, German, English, Italian
};

// Every table in catalogue order with its rows and buffer size.
const TableShape shapes[] = {
    {CatalogTable::OperationsMenu, 11, 100},
    {CatalogTable::EditMenu, 6, 100},
    {CatalogTable::MouseMenu, 9, 100},
    {CatalogTable::WheelMenuTitle, 1, 100},
    {CatalogTable::WheelMenu, 2, 100},
    {CatalogTable::TableMenu, 8, 100},
    {CatalogTable::ChartMenu, 3, 100},
    {CatalogTable::LineMenu, 6, 100},
    {CatalogTable::ColorMenu, 2, 100},
    {CatalogTable::CopyConfigMenu, 9, 100},
    {CatalogTable::CharsetMenu, 11, 100},
    {CatalogTable::LanguagesMenuTitle, 1, 100},
    {CatalogTable::NewTableLabels, 10, 100},
    {CatalogTable::SeparatorWord, 1, 100},
    {CatalogTable::ThicknessWord, 1, 100},
    {CatalogTable::TableInfoLabels, 5, 100},
    {CatalogTable::TextPropsLabels, 17, 100},
    {CatalogTable::NumberFormatTitle, 1, 100},
    {CatalogTable::NumberFormatNames, 7, 100},
    {CatalogTable::FileNameDialogLabels, 4, 100},
    {CatalogTable::AuthorLabels, 2, 100},
    {CatalogTable::FavouritesTitle, 1, 100},
    {CatalogTable::SelectedColorTitle, 1, 100},
    {CatalogTable::ColorCaughtTitle, 1, 100},
    {CatalogTable::FileWord, 1, 100},
    {CatalogTable::ResetWord, 1, 100},
    {CatalogTable::GetOutWord, 1, 100},
    {CatalogTable::OldTableTitle, 1, 100},
    {CatalogTable::ProgrammerTitle, 1, 100},
    {CatalogTable::BrowseIconTitle, 1, 120},
    {CatalogTable::BrowsePictureTitle, 1, 120},
    {CatalogTable::BrowseJpegTitle, 1, 100},
    {CatalogTable::BrowseBitmapLabels, 2, 100},
    {CatalogTable::GdiplusErrorMsg, 1, 150},
    {CatalogTable::AssociationPrompt, 4, 200},
    {CatalogTable::ReallyExitMsg, 1, 100},
    {CatalogTable::SaveBeforeExitMsg, 1, 100},
    {CatalogTable::TableRetouchedMsg, 1, 100},
    {CatalogTable::WorkFileMsgs, 2, 100},
    {CatalogTable::WrongFormatMsg, 1, 100},
    {CatalogTable::PreviousVersionHint, 1, 100},
    {CatalogTable::NeedFileNameMsg, 1, 100},
    {CatalogTable::OverwriteMsgs, 2, 100},
    {CatalogTable::FormMsgs, 2, 100},
    {CatalogTable::SizeLimitMsgs, 3, 100},
    {CatalogTable::RowLimitMsg, 1, 100},
    {CatalogTable::RowLimitMsg2, 1, 100},
    {CatalogTable::ColumnLimitMsgs, 2, 100},
    {CatalogTable::InsertLimitMsgs, 2, 100},
    {CatalogTable::MergeMsgs, 2, 100},
    {CatalogTable::NoVerticalMergeMsg, 1, 100},
    {CatalogTable::SelectionMsgs, 5, 100},
    {CatalogTable::OverrideCellPrompt, 1, 100},
    {CatalogTable::CopyCellPrompt, 1, 100},
    {CatalogTable::PasteCellPrompt, 1, 100},
    {CatalogTable::ClearCellPrompts, 2, 100},
    {CatalogTable::ExportedBitmapMsg, 1, 100},
    {CatalogTable::ExportedCutBitmapMsg, 1, 100},
    {CatalogTable::ExportedJpegCutMsg, 1, 120},
    {CatalogTable::FavouritesSavedMsg, 1, 100},
    {CatalogTable::ResetFavouritesMsgs, 2, 100},
    {CatalogTable::ThanksTexts, 2, 100},
};

// The first and last row of every table, and a few rows in between that carry blanks or
// odd characters, written down independently of the catalogue's own data.
const SampleRow samples[] = {
    {CatalogTable::OperationsMenu,
     1,
     {"Operaciones", "Operações", "Opérations", "Geschäftstätigkeit", "Operations", "Operazioni"}},
    {CatalogTable::OperationsMenu,
     4,
     {"Leer Formato Anterior", "Leia Format Anterior", "Lire Format précédente",
      "Lesen Format Zurück", "Read Format Previous", "Leggi Format Precedente"}},
    {CatalogTable::OperationsMenu,
     11,
     {"Exportar a JPEG cortado", "Exportar para JPEG corte", "Exporter vers JPEG coupe",
      "Export in das JPEG-Schnitt", "Export to cut JPEG", "Esporta in taglio JPEG"}},
    {CatalogTable::EditMenu, 1, {"Editar", "Editar", "Éditer", "Bearbeiten", "Edit", "Modifica"}},
    {CatalogTable::EditMenu,
     6,
     {"Deshacer", "Desfazer", "Annuler", "Rückgängig machen", "Undo", "Disfare"}},
    {CatalogTable::MouseMenu, 1, {"Ratón", "Almofada", "Souris", "Maus", "Mouse", "Blocco"}},
    {CatalogTable::MouseMenu,
     9,
     {"Insertar Icono", "Ícone Insert", "Icône Insérer", "Symbol einfügen", "Insert Icon",
      "Icona inserto"}},
    {CatalogTable::WheelMenuTitle, 1, {"Rueda", "Roda", "Roue", "Rad", "Wheel", "Ruota"}},
    {CatalogTable::WheelMenu, 1, {"Arriba", "Acima", "Dessus", "Oben", "Up", "Sopra"}},
    {CatalogTable::WheelMenu,
     2,
     {"Abajo", "Para baixo", "Vers le bas", " Nach unten", "Down", "Giù"}},
    {CatalogTable::TableMenu, 1, {"Tabla", "Tabela", "Table", "Tabelle", "Table", "Tavolo"}},
    {CatalogTable::TableMenu,
     8,
     {"Eliminar Ultima Fila", "Retirar Última Row", "Retirer la dernière ligne",
      "Entfernen Sie Letzte Zeile", "Remove Last Row", "Rimuovere Ultimo Row"}},
    {CatalogTable::ChartMenu,
     1,
     {"Cuadrivista", "Organograma", "Organigramme", "Organigramm", "Organization chart",
      "Organigramma"}},
    {CatalogTable::ChartMenu,
     3,
     {"Crear linea", "Criar linha", "Créer une ligne", "Erstellen linie", "Create line",
      "Crea linea"}},
    {CatalogTable::LineMenu,
     1,
     {"Horizontal", "Horizontal", "Horizontal", "Horizontal", "Horizontal", "Orizzontale"}},
    {CatalogTable::LineMenu,
     6,
     {"24 píxeles", "24 pixels", "24 pixels", "24 pixel", "24 pixels", "24 pixel"}},
    {CatalogTable::ColorMenu, 1, {"Color", "Cor", "Couleur", "Farbe", "Color", "Colore"}},
    {CatalogTable::ColorMenu,
     2,
     {"Fondo diseño favorito", "Fundo do projeto do favorito", "Background design préféré",
      "Lieblings-design hintergrund", "Favorite design background", "Background design preferito"}},
    {CatalogTable::CopyConfigMenu,
     1,
     {"Configurador de copias", "Cópias do configurador", "Copies du configurateur",
      "Konfigurator Kopien", "Copy configurator", "Copie configuratore"}},
    {CatalogTable::CopyConfigMenu, 9, {"Icono", "Ícone", "Icône", "Symbol", "Icon", "Icona"}},
    {CatalogTable::CharsetMenu, 1, {"Hangul", "Hangul", "Hangul", "Hangul", "Hangeul", "Hangul"}},
    {CatalogTable::CharsetMenu,
     11,
     {"Conjunto de caracteres", "Charset", "Charset", "Charset", "Character set", "Charset"}},
    {CatalogTable::LanguagesMenuTitle,
     1,
     {"Idiomas", "Idiomas", "Langues", "Sprachen", "Languages", "Lingue"}},
    {CatalogTable::NewTableLabels,
     1,
     {"Ancho", "Largura", "Largeur", "Breite", "Width", "Larghezza"}},
    {CatalogTable::NewTableLabels,
     8,
     {"Color de lineas ", "Linhas de cor ", "Lignes de couleur ", "Farblinien ", "Color lines ",
      "Linee di colore "}},
    {CatalogTable::NewTableLabels,
     10,
     {"Elige Separador en píxeles", "Escolha separador em pixels", "Choisir séparateur en pixels",
      "Wählen Sie Trennzeichen in Pixel", "Choose separator in pixels",
      "Scegli Separatore in pixel"}},
    {CatalogTable::SeparatorWord,
     1,
     {" Separador", " separador", " séparateur", " Separator", " separator", " separatore"}},
    {CatalogTable::ThicknessWord,
     1,
     {" grosor", " espessura", " épaisseur", " Dicke", " thickness", " spessore"}},
    {CatalogTable::TableInfoLabels,
     1,
     {"Ancho : ", "Largura : ", "Largeur : ", "Breite : ", "Width : ", "Larghezza : "}},
    {CatalogTable::TableInfoLabels,
     5,
     {" Separación : ", " Separação : ", " La Séparation : ", " Trennung : ", " Separation : ",
      " Separazione : "}},
    {CatalogTable::TextPropsLabels, 1, {"Prueba", "Teste", "Test", "Test", "Test", "Prova"}},
    {CatalogTable::TextPropsLabels,
     17,
     {"Alineamiento vertical centrado", "Alinhamento vertical central",
      "Alignement vertical central", "Vertikale Mittenausrichtung",
      "Center aligned vertical alignment", "Allineamento centrale verticale"}},
    {CatalogTable::NumberFormatTitle,
     1,
     {"Número con formato", "Number with format", "Format numérique", "Zahlenformat",
      "Number with format", "Formato numerico"}},
    {CatalogTable::NumberFormatNames,
     1,
     {"Formato Inglés decimal", "Formato decimal Inglês", "Anglais format décimal",
      "Englisch Dezimalformat", "English decimal format", "Formato decimale inglese"}},
    {CatalogTable::NumberFormatNames,
     7,
     {"Sin formato, entero (Inglés/Español)", "Não formatada, todo (Inglês / Espanhol)",
      "Unformatted, toute (anglais / espagnol)", "Unformatiert, ganz (Englisch / Spanisch)",
      "Unformatted, Integer (English / Spanish)", "Non formattato, tutta (inglese / spagnolo)"}},
    {CatalogTable::FileNameDialogLabels,
     1,
     {"Nombre del fichero", "Nome Do Arquivo", "Nom De Fichier", "Dateinamen", "Filename",
      "Nome Del File"}},
    {CatalogTable::FileNameDialogLabels,
     4,
     {"Cancelar", "Cancelar", "Annuler", "Stornieren", "Cancel", "Cancellarse"}},
    {CatalogTable::AuthorLabels,
     1,
     {"Programa realizado por :", "Programa executado por :", "Programme exécuté par :",
      "Programm durchgeführt :", "Program performed by :", "Programma eseguito da :"}},
    {CatalogTable::AuthorLabels,
     2,
     {"Visítame en :", "Visite-me em :", "Visitez-moi au :", "Besuchen Sie mich in :",
      "Visit me in :", "Farmi visita in :"}},
    {CatalogTable::FavouritesTitle,
     1,
     {"Tus Colores Favoritos Cargalos y Guardalos", "Suas cores favoritas Carregá-los e salvá-los",
      "Vos couleurs préférées les charger et de les enregistrer",
      "Ihre Lieblingsfarben Legen Sie sie und speichern Sie sie",
      "Your favorite colors load them and save them",
      "I vostri colori preferiti caricarli e salvarli"}},
    {CatalogTable::SelectedColorTitle,
     1,
     {"Color Seleccionado", "Cor selecionada", "Couleur sélectionnée", "Ausgewählten Farbe",
      "Selected color", "Colore selezionato"}},
    {CatalogTable::ColorCaughtTitle,
     1,
     {"Color Captado", "Cor Caught", "Couleur Caught", "Farbe Gefangen", "Color Caught",
      "Colore Preso"}},
    {CatalogTable::FileWord, 1, {"Archivar", "Arquivo", "Fichier", "Datei", "File", "File"}},
    {CatalogTable::ResetWord,
     1,
     {"Reseteo", "Restabelecer", "Remettre", "Rücksetzen", "Reset", "Reset"}},
    {CatalogTable::GetOutWord, 1, {"Salir", "Sair", "Sortez", "Aussteigen", "Get out", "Esci"}},
    {CatalogTable::OldTableTitle,
     1,
     {"Tabla antigua", "Tabela antiga", "vieille Table", "alte Tabelle", "old Table",
      "vecchio Tavolo"}},
    {CatalogTable::ProgrammerTitle,
     1,
     {"Programador", "Programador", "Programmeur", "Programmierer", "Programmer", "Programmatore"}},
    {CatalogTable::BrowseIconTitle,
     1,
     {"Navegador de ficheros para icono", "Navegador de arquivos para ícones",
      "Navigateur de fichiers pour les icônes", "Datei-Browser für symbole",
      "File browser for icons", "File browser per le icone"}},
    {CatalogTable::BrowsePictureTitle,
     1,
     {"Navegador de ficheros para imagen o foto", "Navegador de arquivos para o retrato ou foto",
      "Navigateur de fichiers pour l'image ou la photo", "Datei-Browser für bild oder foto",
      "File browser for image or photo", "File browser per un'immagine o una foto"}},
    {CatalogTable::BrowseJpegTitle,
     1,
     {"Navegador de ficheros para JPEG", "Navegador de arquivos para JPEG",
      "Navigateur de fichiers JPEG pour", "Datei-Browser für JPEG", "File browser for JPEG",
      "File browser per JPEG"}},
    {CatalogTable::BrowseBitmapLabels,
     1,
     {"Navegador de ficheros para bitmap", "Para o navegador de arquivos bitmap",
      "Pour le navigateur de fichier bitmap", "Für Bitmap-Datei-Browser", "For bitmap file browser",
      "Per il browser file bitmap"}},
    {CatalogTable::BrowseBitmapLabels,
     2,
     {"Todos los Ficheros", "Todos os arquivos", "Tous les fichiers", "Alle Dateien", "All Files",
      "Tutti i file"}},
    {CatalogTable::GdiplusErrorMsg,
     1,
     {"Error inicializando GDI+ ... (El programa necesita XP ó superior ...)",
      "Erro ao inicializar GDI+ ... (O programa requer XP ou superior ...)",
      "Erreur d'initialisation GDI+ ... (Le programme nécessite XP ou plus ...)",
      "Fehler beim initialisieren der GDI+ ... (Das programm benötigt XP oder höher ...)",
      "Error initializing GDI+ ... (The program needs XP or higher ...)",
      "Errore durante l'inizializzazione GDI+ ... (Il programma richiede XP o superiore ...)"}},
    {CatalogTable::AssociationPrompt,
     1,
     {"Entendiendo que este programa necesita registrarse para su mejor funcionamiento :",
      "Entendendo que este programa precisa se registrar para um melhor desempenho :",
      "Comprendre que ce programme doit enregistrer pour de meilleures performances :",
      "Das Verständnis, dass dieses Programm braucht, um für eine bessere Leistung zu registrieren "
      ":",
      "Understanding that this program needs to register for better performance :",
      "Capire che questo programma ha bisogno di registrarsi per migliorare le prestazioni :"}},
    {CatalogTable::AssociationPrompt,
     2,
     {"Quiere registrar el programa en la ubicación actual ?",
      "Quer gravar o programa no local atual ?",
      "Vous voulez enregistrer le programme à l'emplacement actuel ?",
      "Möchten Sie das Programm an der aktuellen Position aufzeichnen ?",
      "You want to record the program at the current location ?",
      "Vuoi registrare il programma in corrispondenza della posizione attuale ?"}},
    {CatalogTable::AssociationPrompt,
     3,
     {"Si acepta, se le aconseja que no mueva este programa y su carpeta de donde está.",
      "Se aceitar, você é aconselhado a não mover este programa ea respectiva pasta onde esta.",
      "Si vous acceptez, il vous est conseillé de ne pas bouger de ce programme et de son dossier "
      "où cette.",
      "Wenn Sie akzeptieren, wird empfohlen, dieses Programm nicht mehr bewegen und ihre Ordner, "
      "in dem Sie diese.",
      "If you accept, you are advised to not move this program and its folder where this.",
      "Se si accetta, si consiglia di non spostare questo programma e la sua cartella in cui "
      "questo."}},
    {CatalogTable::AssociationPrompt,
     4,
     {"Si no acepta, puede mover la carpeta con el programa a una ubicación mejor para registrar "
      "...",
      "Se recusar, você pode mover para uma melhor localização para gravar a pasta com o programa "
      "...",
      "Si vous refusez, vous pouvez passer à un meilleur emplacement pour enregistrer le dossier "
      "avec le programme ...",
      "Wenn Sie ablehnen, können Sie zu einem besseren Ort zu bewegen, um den Ordner mit dem "
      "Programm aufzunehmen ...",
      "If you decline, you can move to a better location to record the folder with the program ...",
      "Se si rifiuta, si può passare a una posizione migliore per registrare la cartella con il "
      "programma ..."}},
    {CatalogTable::ReallyExitMsg,
     1,
     {"Realmente deseas salir del programa ?", "Você realmente quer sair do programa ?",
      "Vous voulez vraiment quitter le programme ?",
      "Sie, um das Programm zu beenden möchte wirklich ?", "You really want to exit the program ?",
      "Sei sicuro di voler uscire dal programma ?"}},
    {CatalogTable::SaveBeforeExitMsg,
     1,
     {"Desea guardar los cambios antes de Salir ?", "Para salvar as alteraÇões antes de sair ?",
      "Pour enregistrer les modifications avant de quitter ?",
      "Um Änderungen nicht zuvor speichern ?", "To save changes before exiting ?",
      "Per salvare le modifiche prima di uscire ?"}},
    {CatalogTable::TableRetouchedMsg,
     1,
     {"La tabla ha sido retocada ...", "A tabela foi retocada ...",
      "Le tableau a été retouchée ...", "Die Tabelle retouched ...",
      "The table has been retouched ...", "La tabella è stata ritoccata ..."}},
    {CatalogTable::WorkFileMsgs,
     1,
     {"Fichero de trabajo : ", "Ficheiro de trabalho : ", "Fichier de travail : ",
      "Arbeitsdatei : ", "Work file : ", "File di lavoro : "}},
    {CatalogTable::WorkFileMsgs,
     2,
     {"No Existe ...", "Not Exist ...", "Not Exist ...", "Nicht vorhanden ...", "Not Exist ...",
      "Not Exist ..."}},
    {CatalogTable::WrongFormatMsg,
     1,
     {"Formato de fichero erroneo ...", "Arquivo de formato errado ...",
      "Format de fichier incorrect ...", "Falsches Format-Datei ...", "Wrong format file ...",
      "File di formato errato ..."}},
    {CatalogTable::PreviousVersionHint,
     1,
     {"Se puede tratar de un fichero de trabajo de una versión anterior ...",
      "Você pode tentar um arquivo de trabalho a partir de uma versão anterior ...",
      "Vous pouvez essayer un fichier de travail à partir d'une version précédente ...",
      "Sie können eine Arbeitsdatei von einer vorherigen Version ausprobieren ...",
      "You can try a work file from a previous version ...",
      "Si può provare un file di lavoro da una versione precedente ..."}},
    {CatalogTable::NeedFileNameMsg,
     1,
     {"Tienes que escribir un nombre de fichero ...",
      "Você tem que escrever um nome de arquivo ...", "Vous devez écrire un nom de fichier ...",
      "Müssen Sie einen Dateinamen schreiben ...", "You have to write a filename ...",
      "Si deve scrivere un nome di file ..."}},
    {CatalogTable::OverwriteMsgs,
     1,
     {"Fichero Existe ...", "O arquivo já existe ...", "Existe fichier ...", "Datei existiert ...",
      "File exists ...", "Il file esiste ..."}},
    {CatalogTable::OverwriteMsgs,
     2,
     {"Sobrescribir ?", "Sobrescrever ?", "Écraser ?", "Überschreiben ?", "Overwrite ?",
      "Sovrascrivi ?"}},
    {CatalogTable::FormMsgs,
     1,
     {"Tienes que rellenar todos los datos ...", "Você deve preencher todos os campos ...",
      "Vous devez remplir tous les champs ...", "Sie müssen alle Felder ausfüllen ...",
      "You must complete all fields ...", "È necessario completare tutti i campi ..."}},
    {CatalogTable::FormMsgs,
     2,
     {"Gracias !!", "Obrigado !!", "Merci !!", "Danke !!", "Thank You !!", "Grazie !!"}},
    {CatalogTable::SizeLimitMsgs,
     1,
     {"La tabla sobrepasa el tamaño máximo permitido ...",
      "A tabela excede o tamanho máximo permitido ...",
      "Le tableau dépasse la taille maximale autorisée ...",
      "In der Tabelle die maximal zulässige Größe überschreitet ...",
      "The table exceeds the maximum size allowed ...",
      "La tabella supera la dimensione massima consentita ..."}},
    {CatalogTable::SizeLimitMsgs,
     2,
     {"El tamaño máximo es ", "O tamanho máximo é de ", "La taille maximale est ",
      "Die maximale Größe ist ", "The maximum size is ", "La dimensione massima è "}},
    {CatalogTable::SizeLimitMsgs,
     3,
     {"El tamaño que tu solicitas es ", "O tamanho que você está pedindo é ",
      "La taille que vous demandez est ", "Die Größe, die Sie anfordern ist ",
      "The size you are requesting is ", "Le dimensioni si richiede è "}},
    {CatalogTable::RowLimitMsg,
     1,
     {"Has llegado al limite de Filas", "Você atingiu o limite de linhas",
      "Vous avez atteint la limite de rangées", "Sie haben das Limit der Zeilen erreicht",
      "You have reached the limit of Rows", "Hai raggiunto il limite di file"}},
    {CatalogTable::RowLimitMsg2,
     1,
     {"Has llegado al limite de filas ...", "Você atingiu o limite de linhas ...",
      "Vous avez atteint la limite de lignes ...", "Sie haben das Limit von Zeilen erreicht ...",
      "You have reached the limit of rows ...", "Hai raggiunto il limite di righe ..."}},
    {CatalogTable::ColumnLimitMsgs,
     1,
     {"Has llegado al limite de Columnas", "Você atingiu o limite de Colunas",
      "Vous avez atteint la limite de colonnes", "Sie haben das Limit von Säulen erreicht",
      "You have reached the limit of Columns", "Hai raggiunto il limite delle Colonne"}},
    {CatalogTable::ColumnLimitMsgs,
     2,
     {"Sintiendolo mucho, No puedo Eliminar", "Sentindo-se muito, eu não posso apagar",
      "Sentant beaucoup, je ne peux pas supprimer",
      "Gefühl es viel, ich kann nicht gelöscht werden", "Feeling it a lot, I can not delete",
      "Sentirsi molto, non posso cancellare"}},
    {CatalogTable::InsertLimitMsgs,
     1,
     {"Has llegado al limite de columnas ...", "Você atingiu o limite de colunas ...",
      "Vous avez atteint la limite de colonnes ...", "Sie haben das Limit von Säulen erreicht ...",
      "You have reached the limit of columns ...", "Hai raggiunto il limite di colonne ..."}},
    {CatalogTable::InsertLimitMsgs,
     2,
     {"Sintiendolo mucho, No puedo Insertar", "Sentindo-se muito, eu não posso Insira",
      "Sentant beaucoup, je ne peux pas Insérer", "Gefühl es viel, ich kann nicht einfügen",
      "Feeling it a lot, I can not Insert", "Sentirsi molto, non posso inserire"}},
    {CatalogTable::MergeMsgs,
     1,
     {"Sintiendolo mucho no puedo unir celdas Horizontales ...",
      "Sentindo-se tanto que eu não posso juntar células horizontais ...",
      "Sentant tellement que je ne peut pas rejoindre cellules horizontales ...",
      "Fühlen Sie so viel kann ich Horizontale Zellen nicht beitreten ...",
      "Feeling it so much I can not join Horizontal cells ...",
      "Sentendosi così tanto non posso aderire le cellule orizzontali ..."}},
    {CatalogTable::MergeMsgs,
     2,
     {"No se ha seleccionado con corrección ...", "Não foi escolhido correcção ...",
      "Il n'a pas été choisi correction ...", "Es wurde nicht Korrektur gewählt ...",
      "It has not been chosen correction ...", "Non è stato scelto correzione ..."}},
    {CatalogTable::NoVerticalMergeMsg,
     1,
     {"Sintiendolo mucho no puedo unir celdas Verticales ...",
      "Sentindo-se tanto que eu não posso juntar células verticais ...",
      "Sentant tellement que je ne peut pas rejoindre cellules verticales ...",
      "Fühlen Sie so viel kann ich vertikale Zellen nicht beitreten ...",
      "Feeling it so much I can not join Vertical cells ...",
      "Sentendosi così tanto non posso aderire cellule verticali ..."}},
    {CatalogTable::SelectionMsgs,
     1,
     {"Selección Incorrecta ...", "Uma selecção incorrecta ...", "Mauvaise sélection ...",
      "Falsche Auswahl ...", "Incorrect selection ...", "Una errata selezione ..."}},
    {CatalogTable::SelectionMsgs, 4, {" ó ", " ou ", " ou ", " oder ", " or ", " o "}},
    {CatalogTable::SelectionMsgs,
     5,
     {"de arriba hacia abajo", "careca", "de haut en bas", "von oben nach unten", "top down",
      "dall'alto al basso"}},
    {CatalogTable::OverrideCellPrompt,
     1,
     {"Para anular celda : ", "Para substituir celular : ", "Pour remplacer la cellule : ",
      "Um Zelle überschreiben : ", "To override cell : ", "Per sostituire cellule : "}},
    {CatalogTable::CopyCellPrompt,
     1,
     {"Para copiar celda : ", "Para copiar celular : ", "Pour copier cellulaire : ",
      "Um Zelle kopieren : ", "To copy cell : ", "Per copiare cellulare : "}},
    {CatalogTable::PasteCellPrompt,
     1,
     {"Para pegar celda : ", "Para colar celular : ", "Pour coller la cellule : ",
      "Um Zellpaste : ", "To paste cell : ", "Per incollare cellulare : "}},
    {CatalogTable::ClearCellPrompts,
     1,
     {"Para borrar celda : ", "Para limpar celular : ", "Pour effacer la cellule : ",
      "Um Zelle zu löschen : ", "To clear cell : ", "Per cancellare cellulare : "}},
    {CatalogTable::ClearCellPrompts,
     2,
     {"Seleccione celda ...", "Escolha a célula ...", "Sélectionnez la cellule ...",
      "Markieren Sie die Zelle ...", "Select cell ...", "Selezionare la cella ..."}},
    {CatalogTable::ExportedBitmapMsg,
     1,
     {"Exportado a bitmap ..", "Exportado para bitmap ..", "Exporté vers bitmap ..",
      "Bitmap exportiert ..", "Exported to bitmap ..", "Esportato in bitmap .."}},
    {CatalogTable::ExportedCutBitmapMsg,
     1,
     {"Exportado a bitmap cortado ..", "Exportado para cortar bitmap ..",
      "Exporté pour couper bitmap ..", "Exportiert nach Bitmap schneiden ..",
      "Exported to cut bitmap ..", "Esportato tagliare bitmap .."}},
    {CatalogTable::ExportedJpegCutMsg,
     1,
     {"Exportado a JPEG cortado", "JPEG exportados para cortar", "JPEG exporté pour couper",
      "JPEG exportiert zu schneiden", "Exported to JPEG cut", "JPEG esportati da tagliare"}},
    {CatalogTable::FavouritesSavedMsg,
     1,
     {"Mis Colores Favoritos han sido Archivados", "Minhas cores preferidas são arquivados",
      "Mes couleurs préférées sont déposées", "Meine Lieblingsfarben sind eingereicht",
      "My favorite colors are filed", "I miei colori preferiti sono depositate"}},
    {CatalogTable::ResetFavouritesMsgs,
     1,
     {"Realmente desea RESETEAR ?", "REINICIAR realmente quer ?", "ANNULER vraiment envie ?",
      "RESET wirklich ?", "RESET really want ?", "RESET vuole veramente ?"}},
    {CatalogTable::ResetFavouritesMsgs,
     2,
     {"Se perderan todos tus colores favoritos", "Todas as suas cores favoritas serão perdidos",
      "Tous vos couleurs préférées seront perdus", "Alle Ihre Lieblingsfarben verloren",
      "All your favorite colors will be lost", "Tutti i tuoi colori preferiti saranno persi"}},
    {CatalogTable::ThanksTexts,
     1,
     {"Quelmo te da las Gracias por usar este programa.", "Quelmo graças por usar este programa.",
      "Quelmo vous remercie d'utiliser ce programme.",
      "Quelmo Dank dieses Programm für die Verwendung.",
      "Quelmo thanks you for using this program.",
      "Quelmo vi ringrazia per l'utilizzo di questo programma."}},
};

class MessageCatalogTest : public ::testing::Test {
  protected:
    void TearDown() override { setCurrentLanguage(Spanish); }
};

TEST_F(MessageCatalogTest, holds_sixty_two_tables_of_177_messages)
{
    int messages = 0;
    int singles = 0;
    for (int i = 0; i < CatalogTableCount; ++i) {
        const int rows = catalogRows(static_cast<CatalogTable>(i));
        messages += rows;
        if (rows == 1)
            ++singles;
    }
    EXPECT_EQ(CatalogTableCount, 62);
    EXPECT_EQ(messages, 177);
    EXPECT_EQ(singles, 33);
    EXPECT_EQ(CatalogTableCount - singles, 29);
}

TEST_F(MessageCatalogTest, every_table_has_its_rows_and_buffer_size_in_catalogue_order)
{
    ASSERT_EQ(std::size(shapes), static_cast<std::size_t>(CatalogTableCount));
    for (int i = 0; i < CatalogTableCount; ++i) {
        const TableShape& shape = shapes[i];
        SCOPED_TRACE("table " + std::to_string(i));
        EXPECT_EQ(static_cast<int>(shape.table), i);
        EXPECT_EQ(catalogRows(shape.table), shape.rows);
        EXPECT_EQ(catalogBufferSize(shape.table), shape.bufferSize);
    }
}

TEST_F(MessageCatalogTest, sample_rows_match_the_product_texts_in_every_language)
{
    for (const SampleRow& sample : samples) {
        for (LanguageId language = Spanish; language <= Italian; ++language) {
            SCOPED_TRACE("table " + std::to_string(static_cast<int>(sample.table)) + " row " +
                         std::to_string(sample.row) + " language " + std::to_string(language));
            EXPECT_EQ(catalogText(sample.table, sample.row, language), sample.texts[language - 1]);
            setCurrentLanguage(language);
            EXPECT_EQ(catalogText(sample.table, sample.row), sample.texts[language - 1]);
        }
    }
}

TEST_F(MessageCatalogTest, every_text_fits_its_windows_1252_buffer)
{
    for (int i = 0; i < CatalogTableCount; ++i) {
        const auto table = static_cast<CatalogTable>(i);
        const int limit = catalogBufferSize(table) - 1;
        for (int row = 1; row <= catalogRows(table); ++row) {
            for (LanguageId language = Spanish; language <= Italian; ++language) {
                const std::string_view text = catalogText(table, row, language);
                SCOPED_TRACE("table " + std::to_string(i) + " row " + std::to_string(row) +
                             " language " + std::to_string(language) + ": " + std::string(text));
                EXPECT_FALSE(text.empty());
                EXPECT_TRUE(isValidUtf8(text));
                bool representable = false;
                const std::string bytes = utf8ToWindows1252(text, &representable);
                EXPECT_TRUE(representable);
                EXPECT_LE(static_cast<int>(bytes.size()), limit);
            }
        }
    }
}

TEST_F(MessageCatalogTest, thanks_second_row_invites_to_the_web_address_in_each_language)
{
    for (LanguageId language = Spanish; language <= Italian; ++language) {
        SCOPED_TRACE("language " + std::to_string(language));
        const std::string_view text = catalogText(CatalogTable::ThanksTexts, 2, language);
        EXPECT_NE(text.find("https://example.org/quelmo"), std::string_view::npos);
        EXPECT_NE(text.find("https://example.org/quelmo"), 0u);
        for (LanguageId other = language + 1; other <= Italian; ++other)
            EXPECT_NE(text, catalogText(CatalogTable::ThanksTexts, 2, other));
    }
}

TEST_F(MessageCatalogTest, starts_in_spanish)
{
    EXPECT_EQ(currentLanguage(), Spanish);
    EXPECT_EQ(catalogText(CatalogTable::ProgrammerTitle), "Programador"sv);
}

TEST_F(MessageCatalogTest, switching_the_language_changes_every_later_lookup)
{
    setCurrentLanguage(Spanish);
    EXPECT_EQ(catalogText(CatalogTable::OperationsMenu, 4), "Leer Formato Anterior"sv);
    setCurrentLanguage(English);
    EXPECT_EQ(currentLanguage(), English);
    EXPECT_EQ(catalogText(CatalogTable::OperationsMenu, 4), "Read Format Previous"sv);
    EXPECT_EQ(catalogText(CatalogTable::ProgrammerTitle), "Programmer"sv);
    setCurrentLanguage(German);
    EXPECT_EQ(catalogText(CatalogTable::OperationsMenu, 4), "Lesen Format Zurück"sv);
}

TEST_F(MessageCatalogTest, a_language_outside_one_to_six_is_kept_and_answered_in_spanish)
{
    for (const LanguageId language : {0, 7, 9, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE("language " + std::to_string(language));
        setCurrentLanguage(language);
        EXPECT_EQ(currentLanguage(), language);
        EXPECT_EQ(catalogText(CatalogTable::OperationsMenu, 4), "Leer Formato Anterior"sv);
        EXPECT_EQ(catalogText(CatalogTable::WorkFileMsgs, 2, language), "No Existe ..."sv);
    }
}

TEST_F(MessageCatalogTest, blanks_at_either_end_of_a_text_are_kept)
{
    setCurrentLanguage(English);
    const std::string info = std::string(catalogText(CatalogTable::TableInfoLabels, 1)) + "32" +
                             std::string(catalogText(CatalogTable::TableInfoLabels, 2)) + "16";
    EXPECT_EQ(info, "Width : 32 Height : 16");
    EXPECT_EQ(catalogText(CatalogTable::SeparatorWord), " separator"sv);
    EXPECT_EQ(catalogText(CatalogTable::ThicknessWord), " thickness"sv);
    EXPECT_EQ(catalogText(CatalogTable::SelectionMsgs, 4, Spanish), " ó "sv);
    EXPECT_EQ(catalogText(CatalogTable::WheelMenu, 2, German), " Nach unten"sv);
    EXPECT_EQ(catalogText(CatalogTable::NewTableLabels, 8, French), "Lignes de couleur "sv);
}

#ifdef NDEBUG
TEST_F(MessageCatalogTest, a_row_or_table_that_does_not_exist_answers_an_empty_text)
{
    EXPECT_EQ(catalogText(CatalogTable::OperationsMenu, 0), ""sv);
    EXPECT_EQ(catalogText(CatalogTable::OperationsMenu, 12), ""sv);
    EXPECT_EQ(catalogText(CatalogTable::OperationsMenu, -1, English), ""sv);
    EXPECT_EQ(catalogText(CatalogTable::ProgrammerTitle, 2), ""sv);
    EXPECT_EQ(catalogText(CatalogTable::ThanksTexts, INT_MAX, Italian), ""sv);
    EXPECT_EQ(catalogText(CatalogTable::ThanksTexts, INT_MIN, Italian), ""sv);
    for (const int index : {-1, CatalogTableCount, INT_MAX}) {
        const auto table = static_cast<CatalogTable>(index);
        EXPECT_EQ(catalogText(table, 1), ""sv);
        EXPECT_EQ(catalogRows(table), 0);
        EXPECT_EQ(catalogBufferSize(table), 0);
    }
}
#else
TEST_F(MessageCatalogTest, a_row_or_table_that_does_not_exist_is_caught_in_debug_builds)
{
    EXPECT_DEATH(catalogText(CatalogTable::OperationsMenu, 12), "");
    EXPECT_DEATH(catalogText(CatalogTable::ProgrammerTitle, 0), "");
    EXPECT_DEATH(catalogText(static_cast<CatalogTable>(CatalogTableCount), 1), "");
}
#endif

} // namespace
