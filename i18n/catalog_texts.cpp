#include "i18n/catalog_data.h"

namespace {

// The wording is the one users know, misspellings and mixed languages included. Blanks at
// either end belong to the texts: callers join them to numbers and to other rows.

constexpr CatalogRow operationsMenu[] = {
    {"Operaciones", "Operações", "Opérations", "Geschäftstätigkeit", "Operations", "Operazioni"},
    {"Nuevo", "novo", "Nouveau", "Neu", "New", "Nuovo"},
    {"Leer fichero", "Leia o arquivo", "Lire le fichier", "Datei lesen", "Read file",
     "Leggi il file"},
    {"Leer Formato Anterior", "Leia Format Anterior", "Lire Format précédente",
     "Lesen Format Zurück", "Read Format Previous", "Leggi Format Precedente"},
    {"Grabar fichero", "Arquivo de registro", "Fichier d'enregistrement", "Aufzeichnungsdatei",
     "Record file", "File di registrazione"},
    {"Exportar a Bitmap", "Exportar para Bitmap", "Exporter vers Bitmap", "Exportieren nach Bitmap",
     "Export to Bitmap", "Esporta Bitmap"},
    {"Exportar a Bitmap cortado", "Export Bitmap para cortar", "Exporter en bitmap pour couper",
     "Bitmap Export zu schneiden", "Bitmap Export to cut", "Esporta Bitmap per tagliare"},
    {"Configuración", "Configuração", "Configuration", "Konfiguration", "Configuration",
     "Configurazione"},
    {"Autor", "Autor", "Auteur", "Autor", "Author", "Autore"},
    {"Salir del programa", "Saia do programa", "Quittez le programme", "Beenden Sie das Programm",
     "Exit the program", "Uscire dal programma"},
    {"Exportar a JPEG cortado", "Exportar para JPEG corte", "Exporter vers JPEG coupe",
     "Export in das JPEG-Schnitt", "Export to cut JPEG", "Esporta in taglio JPEG"},
};

constexpr CatalogRow editMenu[] = {
    {"Editar", "Editar", "Éditer", "Bearbeiten", "Edit", "Modifica"},
    {"Copiar celda", "Copiar celular", "Copie cellulaire", "Kopieren Zell", "Copy cell",
     "Cell Copy"},
    {"Pegar en celda", "Célula Paste", "Cellulaire Coller", "Einfügen Zell", "Paste cell",
     "Cell Incolla"},
    {"Borrar celda", "Limpar celular", "À cellules claires", "Klarzelligen", "Clear cell",
     "Cancella cellulare"},
    {"Seleccionar todo", "Selecionar tudo", "Tout sélectionner", "Alle auswählen", "Select all",
     "Seleziona tutti"},
    {"Deshacer", "Desfazer", "Annuler", "Rückgängig machen", "Undo", "Disfare"},
};

constexpr CatalogRow mouseMenu[] = {
    {"Ratón", "Almofada", "Souris", "Maus", "Mouse", "Blocco"},
    {"Izquierda", "Esquerda", "Gauche", "Links", "Left", "Sinistra"},
    {"Selector de celda", "Selector celular", "Sélecteur de cellule", "Zellenauswahl",
     "Cell selector", "Selezione cella"},
    {"Editar Texto y Colores", "Editar texto e cores", "Modifier texte et les couleurs",
     "Text und Farben bearbeiten", "Edit Text and Colors", "Modifica testo e colori"},
    {"Insertar Imagen", "Inserir Imagem", "Insérer une image", "Bild einfügen", "Insert image",
     "Inserisci immagine"},
    {"Derecha", "Direito", "Droit", "Recht", "Right", "Destra"},
    {"Captar Color", "Capturando a cores", "Capture couleur", "Capturing Farbe", "Capturing Color",
     "Cattura Colore"},
    {"Mis Colores Favoritos", "My Favorite Colors", "Mes couleurs préférées",
     "Meine Lieblingsfarben", "My Favorite Colors", "I miei colori preferiti"},
    {"Insertar Icono", "Ícone Insert", "Icône Insérer", "Symbol einfügen", "Insert Icon",
     "Icona inserto"},
};

constexpr CatalogRow wheelMenuTitle[] = {
    {"Rueda", "Roda", "Roue", "Rad", "Wheel", "Ruota"},
};

constexpr CatalogRow wheelMenu[] = {
    {"Arriba", "Acima", "Dessus", "Oben", "Up", "Sopra"},
    {"Abajo", "Para baixo", "Vers le bas", " Nach unten", "Down", "Giù"},
};

constexpr CatalogRow tableMenu[] = {
    {"Tabla", "Tabela", "Table", "Tabelle", "Table", "Tavolo"},
    {"Unir Celdas Horizontales", "Mesclar células horizontais",
     "Fusionner les cellules horizontales", "Zellen verbinden Horizontal", "Merge Cells Horizontal",
     "Unisci celle orizzontali"},
    {"Unir Celdas Verticales", "Mesclar Vertical Cells", "Vertical Fusionner les cellules",
     "Vertikale Zellen verbinden", "Vertical Merge Cells", "Vertical Unisci celle"},
    {"Anular Celda", "Anular celular", "Annuler cellulaire", "Abbrechen Zell", "Cancel Cell",
     "Annulla cellulare"},
    {"Insertar Columna", "Inserir coluna", "Insérer une colonne", "Spalte einfügen",
     "Insert Column", "Inserisci colonna"},
    {"Insertar Fila", "Insert Row", "Insérer une ligne", "Zeile einfügen", "Insert Row",
     "Inserisci riga"},
    {"Eliminar Ultima Columna", "Retirar Última Coluna", "Retirez dernière colonne",
     "Entfernen Sie Letzte Spalte", "Remove Last Column", "Rimuovere ultima colonna"},
    {"Eliminar Ultima Fila", "Retirar Última Row", "Retirer la dernière ligne",
     "Entfernen Sie Letzte Zeile", "Remove Last Row", "Rimuovere Ultimo Row"},
};

constexpr CatalogRow chartMenu[] = {
    {"Cuadrivista", "Organograma", "Organigramme", "Organigramm", "Organization chart",
     "Organigramma"},
    {"Crear tabla", "Criar tabela", "Création de la table", "Erstellen tisch", "Create table",
     "Crea una tabella"},
    {"Crear linea", "Criar linha", "Créer une ligne", "Erstellen linie", "Create line",
     "Crea linea"},
};

constexpr CatalogRow lineMenu[] = {
    {"Horizontal", "Horizontal", "Horizontal", "Horizontal", "Horizontal", "Orizzontale"},
    {"16 píxeles", "16 pixels", "16 pixels", "16 pixel", "16 pixels", "16 pixel"},
    {"32 píxeles", "32 pixels", "32 pixels", "32 pixel", "32 pixels", "32 pixel"},
    {"64 píxeles", "64 pixels", "64 pixels", "64 pixel", "64 pixels", "64 pixel"},
    {"Vertical", "Vertical", "Vertical", "Vertikal", "Vertical", "Verticale"},
    {"24 píxeles", "24 pixels", "24 pixels", "24 pixel", "24 pixels", "24 pixel"},
};

constexpr CatalogRow colorMenu[] = {
    {"Color", "Cor", "Couleur", "Farbe", "Color", "Colore"},
    {"Fondo diseño favorito", "Fundo do projeto do favorito", "Background design préféré",
     "Lieblings-design hintergrund", "Favorite design background", "Background design preferito"},
};

constexpr CatalogRow copyConfigMenu[] = {
    {"Configurador de copias", "Cópias do configurador", "Copies du configurateur",
     "Konfigurator Kopien", "Copy configurator", "Copie configuratore"},
    {"Seleccionar todos los campos", "Selecione todos os campos", "Sélectionner tous les champs",
     "Wählen Sie alle Felder aus", "Select all fields", "Selezionare tutti i campi"},
    {"Texto", "Texto", "Texte", "Text", "Text", "Testo"},
    {"Imagen", "Retrato", "Image", "Bild", "Image", "Immagine"},
    {"Alineación", "Alinhamento", "Alignement", "Ausrichtung", "Alignment", "Allineamento"},
    {"Se permite formato numérico", "Formato numérico permitido", "Format numérique autorisé",
     "Zahlenformat erlaubt", "Numeric format is allowed", "Formato numerico consentito"},
    {"Tipo de formato numérico", "Digite formato numérico", "Type Format numérique",
     "Geben sie Zahlenformat", "Number format type", "Digitare formato numerico"},
    {"Deseleccionar todos los campos", "Desmarcar todos os campos",
     "Désélectionner tous les champs", "Deaktivieren sie alle felder aus", "Deselect all fields",
     "Deselezionare tutti i campi"},
    {"Icono", "Ícone", "Icône", "Symbol", "Icon", "Icona"},
};

constexpr CatalogRow charsetMenu[] = {
    {"Hangul", "Hangul", "Hangul", "Hangul", "Hangeul", "Hangul"},
    {"Chino", "Chinês", "Chinois", "Chinesisch", "Chinese", "Cinese"},
    {"Griego", "Grego", "Grecque", "Griechisch", "Greek", "Greco"},
    {"Turco", "Turco", "Turc", "Türkisch", "Turkish", "Turco"},
    {"Hebreo", "Hebraico", "Hébreu", "Hebräisch", "Hebrew", "Ebraico"},
    {"Árabe", "Árabe", "Arabe", "Arabisch", "Arab", "Arabo"},
    {"Báltico", "Báltico", "Balte", "Baltic", "Baltic", "Baltico"},
    {"Ruso", "Russo", "Russe", "Russisch", "Russian", "Russo"},
    {"Tailandés", "Thai", "Thaï", "Thailändisch", "Thai", "Thai"},
    {"Europa del este", "Europa do leste", "Europe de l'est", "Osteuropa", "Eastern Europe",
     "Europa dell'Est"},
    {"Conjunto de caracteres", "Charset", "Charset", "Charset", "Character set", "Charset"},
};

constexpr CatalogRow languagesMenuTitle[] = {
    {"Idiomas", "Idiomas", "Langues", "Sprachen", "Languages", "Lingue"},
};

constexpr CatalogRow newTableLabels[] = {
    {"Ancho", "Largura", "Largeur", "Breite", "Width", "Larghezza"},
    {"Alto", "Altura", "Hauteur", "Höhe", "Height", "Altezza"},
    {"Nueva Tabla", "Nova Tabela", "Nouvelle table", "Neue Tabelle", "New Table", "Nuova tabella"},
    {"Vista Aproximada", "Aproximado Vista", "Approximative Vista", "Ungefähre Vista",
     "Approximate Vista", "Vista approssimativa"},
    {"Filas", "Fileiras", "Rangées", "Zeilen", "Rows", "Righe"},
    {"Columnas", "Colunas", "Colonnes", "Spalten", "Columns", "Colonne"},
    {"Color papel", "Papel da cor", "Papier couleur", "Farbe Papier", "Color paper",
     "Carta di colore"},
    {"Color de lineas ", "Linhas de cor ", "Lignes de couleur ", "Farblinien ", "Color lines ",
     "Linee di colore "},
    {"Grosor de lineas", "Espessura de linhas", "Epaisseur de lignes", "Die Dicke der Linien",
     "Thickness of lines", "Spessore delle linee"},
    {"Elige Separador en píxeles", "Escolha separador em pixels", "Choisir séparateur en pixels",
     "Wählen Sie Trennzeichen in Pixel", "Choose separator in pixels",
     "Scegli Separatore in pixel"},
};

constexpr CatalogRow separatorWord[] = {
    {" Separador", " separador", " séparateur", " Separator", " separator", " separatore"},
};

constexpr CatalogRow thicknessWord[] = {
    {" grosor", " espessura", " épaisseur", " Dicke", " thickness", " spessore"},
};

constexpr CatalogRow tableInfoLabels[] = {
    {"Ancho : ", "Largura : ", "Largeur : ", "Breite : ", "Width : ", "Larghezza : "},
    {" Alto : ", " Altura : ", " Hauteur : ", " Höhe : ", " Height : ", " Altezza : "},
    {" Filas : ", " Fileiras : ", " Rangées : ", " Zeilen : ", " Rows : ", " Righe : "},
    {" Columnas : ", " Colunas : ", " Colonnes : ", " Spalten : ", " Columns : ", " Colonne : "},
    {" Separación : ", " Separação : ", " La Séparation : ", " Trennung : ", " Separation : ",
     " Separazione : "},
};

constexpr CatalogRow textPropsLabels[] = {
    {"Prueba", "Teste", "Test", "Test", "Test", "Prova"},
    {"Propiedades Texto", "Propriedades do texto", "Propriétés du texte", "Texteigenschaften",
     "Text properties", "Proprietà del testo"},
    {"Tipo de Fuente", "Tipo de Fonte", "Type de source", "Art der Quelle", "Type of Source",
     "Tipo di sorgente"},
    {"Tamaño", "Tamanho", "Taille", "Größe", "Size", "Dimensione"},
    {"Negrita", "Negrito", "Gras", "Fettdruck", "Bold", "Grassetto"},
    {"Itálico", "Itálico", "Italique", "Kursiv", "Italic", "Corsivo"},
    {"Subrayado", "Sublinhar", "Souligner", "Unterstreichen", "Underline", "Sottolineare"},
    {"Tachado", "Strikeout", "Barré", "Durchgestrichen", "Strikeout", "Strikeout"},
    {"Estilos", "Styles", "Styles", "Styles", "Styles", "Styles"},
    {"Color de fondo", "Cor de fundo", "Couleur de fond", "Hintergrundfarbe", "Background Color",
     "Colore di sfondo"},
    {"Color de fuente", "Cor da Fonte", "Couleur de police", "Schriftfarbe", "Font Color",
     "Colore carattere"},
    {"Alineamiento a la Izquierda", "Alinhamento Esquerda", "Alignement Gauche",
     "Ausrichtung Links", "Alignment Left", "Allineamento Sinistra"},
    {"Alineamiento a la Derecha", "Alinhamento a Direita", "Alignement à droite",
     "Ausrichtung nach rechts", "Alignment to Right", "Allineamento a destra"},
    {"Alineamiento al Centro", "Alinhamento ao Centro", "Alignement Center", "Alignment Center",
     "Alignment to Center", "Allineamento al Centro"},
    {"Alineamiento Justificado", "alinhamento justificado", "Alignement justifié", "Blocksatz",
     "Justified alignment", "Allineamento Giustificato"},
    {"Alineamiento vertical arriba", "Alinhamento vertical acima", "Alignement vertical au-dessus",
     "Vertikale ausrichtung oberhalb", "Vertical alignment up", "Allineamento verticale sopra"},
    {"Alineamiento vertical centrado", "Alinhamento vertical central",
     "Alignement vertical central", "Vertikale Mittenausrichtung",
     "Center aligned vertical alignment", "Allineamento centrale verticale"},
};

constexpr CatalogRow numberFormatTitle[] = {
    {"Número con formato", "Number with format", "Format numérique", "Zahlenformat",
     "Number with format", "Formato numerico"},
};

constexpr CatalogRow numberFormatNames[] = {
    {"Formato Inglés decimal", "Formato decimal Inglês", "Anglais format décimal",
     "Englisch Dezimalformat", "English decimal format", "Formato decimale inglese"},
    {"Formato Inglés entero", "Formato inteiro Inglês", "Anglais format entier",
     "Englisch-Integer-Format", "English integer format", "Formato intero inglese"},
    {"Sin formato, Inglés decimal", "Não formatada, decimal Inglês", "Unformatted, Anglais décimal",
     "Unformatiert, Englisch Dezimal", "Unformatted, English decimal",
     "Non formattato, decimale inglese"},
    {"Formato Español decimal", "Decimal Format Espanhol", "Décimal espagnol Format",
     "Spanisch Format dezimal", "Spanish decimal format", "Spagnolo Formato decimale"},
    {"Formato Español entero", "Formato inteiro Espanhol", "Espagnol format entier",
     "Spanisch-Integer-Format", "Spanish integer format", "Formato intero Spagnolo"},
    {"Sin formato, Español decimal", "Não formatada, decimal Espanhol",
     "Unformatted, décimal espagnol", "Unformatiert, Spanisch dezimal",
     "Unformatted, Spanish decimal", "Non formattato, decimale Spagnolo"},
    {"Sin formato, entero (Inglés/Español)", "Não formatada, todo (Inglês / Espanhol)",
     "Unformatted, toute (anglais / espagnol)", "Unformatiert, ganz (Englisch / Spanisch)",
     "Unformatted, Integer (English / Spanish)", "Non formattato, tutta (inglese / spagnolo)"},
};

constexpr CatalogRow fileNameDialogLabels[] = {
    {"Nombre del fichero", "Nome Do Arquivo", "Nom De Fichier", "Dateinamen", "Filename",
     "Nome Del File"},
    {"Nombre del fichero sin extensión", "Nome de arquivo sem extensão",
     "Nom de fichier sans extension", "Dateinamen ohne Erweiterung", "Filename without extension",
     "Nome del file senza estensione"},
    {"Aceptar", "Aceitar", "Accepter", "Akzeptieren", "Accept", "Accettare"},
    {"Cancelar", "Cancelar", "Annuler", "Stornieren", "Cancel", "Cancellarse"},
};

constexpr CatalogRow authorLabels[] = {
    {"Programa realizado por :", "Programa executado por :", "Programme exécuté par :",
     "Programm durchgeführt :", "Program performed by :", "Programma eseguito da :"},
    {"Visítame en :", "Visite-me em :", "Visitez-moi au :", "Besuchen Sie mich in :",
     "Visit me in :", "Farmi visita in :"},
};

constexpr CatalogRow favouritesTitle[] = {
    {"Tus Colores Favoritos Cargalos y Guardalos", "Suas cores favoritas Carregá-los e salvá-los",
     "Vos couleurs préférées les charger et de les enregistrer",
     "Ihre Lieblingsfarben Legen Sie sie und speichern Sie sie",
     "Your favorite colors load them and save them",
     "I vostri colori preferiti caricarli e salvarli"},
};

constexpr CatalogRow selectedColorTitle[] = {
    {"Color Seleccionado", "Cor selecionada", "Couleur sélectionnée", "Ausgewählten Farbe",
     "Selected color", "Colore selezionato"},
};

constexpr CatalogRow colorCaughtTitle[] = {
    {"Color Captado", "Cor Caught", "Couleur Caught", "Farbe Gefangen", "Color Caught",
     "Colore Preso"},
};

constexpr CatalogRow fileWord[] = {
    {"Archivar", "Arquivo", "Fichier", "Datei", "File", "File"},
};

constexpr CatalogRow resetWord[] = {
    {"Reseteo", "Restabelecer", "Remettre", "Rücksetzen", "Reset", "Reset"},
};

constexpr CatalogRow getOutWord[] = {
    {"Salir", "Sair", "Sortez", "Aussteigen", "Get out", "Esci"},
};

constexpr CatalogRow oldTableTitle[] = {
    {"Tabla antigua", "Tabela antiga", "vieille Table", "alte Tabelle", "old Table",
     "vecchio Tavolo"},
};

constexpr CatalogRow programmerTitle[] = {
    {"Programador", "Programador", "Programmeur", "Programmierer", "Programmer", "Programmatore"},
};

constexpr CatalogRow browseIconTitle[] = {
    {"Navegador de ficheros para icono", "Navegador de arquivos para ícones",
     "Navigateur de fichiers pour les icônes", "Datei-Browser für symbole",
     "File browser for icons", "File browser per le icone"},
};

constexpr CatalogRow browsePictureTitle[] = {
    {"Navegador de ficheros para imagen o foto", "Navegador de arquivos para o retrato ou foto",
     "Navigateur de fichiers pour l'image ou la photo", "Datei-Browser für bild oder foto",
     "File browser for image or photo", "File browser per un'immagine o una foto"},
};

constexpr CatalogRow browseJpegTitle[] = {
    {"Navegador de ficheros para JPEG", "Navegador de arquivos para JPEG",
     "Navigateur de fichiers JPEG pour", "Datei-Browser für JPEG", "File browser for JPEG",
     "File browser per JPEG"},
};

constexpr CatalogRow browseBitmapLabels[] = {
    {"Navegador de ficheros para bitmap", "Para o navegador de arquivos bitmap",
     "Pour le navigateur de fichier bitmap", "Für Bitmap-Datei-Browser", "For bitmap file browser",
     "Per il browser file bitmap"},
    {"Todos los Ficheros", "Todos os arquivos", "Tous les fichiers", "Alle Dateien", "All Files",
     "Tutti i file"},
};

constexpr CatalogRow gdiplusErrorMsg[] = {
    {"Error inicializando GDI+ ... (El programa necesita XP ó superior ...)",
     "Erro ao inicializar GDI+ ... (O programa requer XP ou superior ...)",
     "Erreur d'initialisation GDI+ ... (Le programme nécessite XP ou plus ...)",
     "Fehler beim initialisieren der GDI+ ... (Das programm benötigt XP oder höher ...)",
     "Error initializing GDI+ ... (The program needs XP or higher ...)",
     "Errore durante l'inizializzazione GDI+ ... (Il programma richiede XP o superiore ...)"},
};

constexpr CatalogRow associationPrompt[] = {
    {"Entendiendo que este programa necesita registrarse para su mejor funcionamiento :",
     "Entendendo que este programa precisa se registrar para um melhor desempenho :",
     "Comprendre que ce programme doit enregistrer pour de meilleures performances :",
     "Das Verständnis, dass dieses Programm braucht, um für eine bessere Leistung zu registrieren "
     ":",
     "Understanding that this program needs to register for better performance :",
     "Capire che questo programma ha bisogno di registrarsi per migliorare le prestazioni :"},
    {"Quiere registrar el programa en la ubicación actual ?",
     "Quer gravar o programa no local atual ?",
     "Vous voulez enregistrer le programme à l'emplacement actuel ?",
     "Möchten Sie das Programm an der aktuellen Position aufzeichnen ?",
     "You want to record the program at the current location ?",
     "Vuoi registrare il programma in corrispondenza della posizione attuale ?"},
    {"Si acepta, se le aconseja que no mueva este programa y su carpeta de donde está.",
     "Se aceitar, você é aconselhado a não mover este programa ea respectiva pasta onde esta.",
     "Si vous acceptez, il vous est conseillé de ne pas bouger de ce programme et de son dossier "
     "où cette.",
     "Wenn Sie akzeptieren, wird empfohlen, dieses Programm nicht mehr bewegen und ihre Ordner, in "
     "dem Sie diese.",
     "If you accept, you are advised to not move this program and its folder where this.",
     "Se si accetta, si consiglia di non spostare questo programma e la sua cartella in cui "
     "questo."},
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
     "programma ..."},
};

constexpr CatalogRow reallyExitMsg[] = {
    {"Realmente deseas salir del programa ?", "Você realmente quer sair do programa ?",
     "Vous voulez vraiment quitter le programme ?",
     "Sie, um das Programm zu beenden möchte wirklich ?", "You really want to exit the program ?",
     "Sei sicuro di voler uscire dal programma ?"},
};

constexpr CatalogRow saveBeforeExitMsg[] = {
    {"Desea guardar los cambios antes de Salir ?", "Para salvar as alteraÇões antes de sair ?",
     "Pour enregistrer les modifications avant de quitter ?",
     "Um Änderungen nicht zuvor speichern ?", "To save changes before exiting ?",
     "Per salvare le modifiche prima di uscire ?"},
};

constexpr CatalogRow tableRetouchedMsg[] = {
    {"La tabla ha sido retocada ...", "A tabela foi retocada ...", "Le tableau a été retouchée ...",
     "Die Tabelle retouched ...", "The table has been retouched ...",
     "La tabella è stata ritoccata ..."},
};

constexpr CatalogRow workFileMsgs[] = {
    {"Fichero de trabajo : ", "Ficheiro de trabalho : ", "Fichier de travail : ", "Arbeitsdatei : ",
     "Work file : ", "File di lavoro : "},
    {"No Existe ...", "Not Exist ...", "Not Exist ...", "Nicht vorhanden ...", "Not Exist ...",
     "Not Exist ..."},
};

constexpr CatalogRow wrongFormatMsg[] = {
    {"Formato de fichero erroneo ...", "Arquivo de formato errado ...",
     "Format de fichier incorrect ...", "Falsches Format-Datei ...", "Wrong format file ...",
     "File di formato errato ..."},
};

constexpr CatalogRow previousVersionHint[] = {
    {"Se puede tratar de un fichero de trabajo de una versión anterior ...",
     "Você pode tentar um arquivo de trabalho a partir de uma versão anterior ...",
     "Vous pouvez essayer un fichier de travail à partir d'une version précédente ...",
     "Sie können eine Arbeitsdatei von einer vorherigen Version ausprobieren ...",
     "You can try a work file from a previous version ...",
     "Si può provare un file di lavoro da una versione precedente ..."},
};

constexpr CatalogRow needFileNameMsg[] = {
    {"Tienes que escribir un nombre de fichero ...", "Você tem que escrever um nome de arquivo ...",
     "Vous devez écrire un nom de fichier ...", "Müssen Sie einen Dateinamen schreiben ...",
     "You have to write a filename ...", "Si deve scrivere un nome di file ..."},
};

constexpr CatalogRow overwriteMsgs[] = {
    {"Fichero Existe ...", "O arquivo já existe ...", "Existe fichier ...", "Datei existiert ...",
     "File exists ...", "Il file esiste ..."},
    {"Sobrescribir ?", "Sobrescrever ?", "Écraser ?", "Überschreiben ?", "Overwrite ?",
     "Sovrascrivi ?"},
};

constexpr CatalogRow formMsgs[] = {
    {"Tienes que rellenar todos los datos ...", "Você deve preencher todos os campos ...",
     "Vous devez remplir tous les champs ...", "Sie müssen alle Felder ausfüllen ...",
     "You must complete all fields ...", "È necessario completare tutti i campi ..."},
    {"Gracias !!", "Obrigado !!", "Merci !!", "Danke !!", "Thank You !!", "Grazie !!"},
};

constexpr CatalogRow sizeLimitMsgs[] = {
    {"La tabla sobrepasa el tamaño máximo permitido ...",
     "A tabela excede o tamanho máximo permitido ...",
     "Le tableau dépasse la taille maximale autorisée ...",
     "In der Tabelle die maximal zulässige Größe überschreitet ...",
     "The table exceeds the maximum size allowed ...",
     "La tabella supera la dimensione massima consentita ..."},
    {"El tamaño máximo es ", "O tamanho máximo é de ", "La taille maximale est ",
     "Die maximale Größe ist ", "The maximum size is ", "La dimensione massima è "},
    {"El tamaño que tu solicitas es ", "O tamanho que você está pedindo é ",
     "La taille que vous demandez est ", "Die Größe, die Sie anfordern ist ",
     "The size you are requesting is ", "Le dimensioni si richiede è "},
};

constexpr CatalogRow rowLimitMsg[] = {
    {"Has llegado al limite de Filas", "Você atingiu o limite de linhas",
     "Vous avez atteint la limite de rangées", "Sie haben das Limit der Zeilen erreicht",
     "You have reached the limit of Rows", "Hai raggiunto il limite di file"},
};

constexpr CatalogRow rowLimitMsg2[] = {
    {"Has llegado al limite de filas ...", "Você atingiu o limite de linhas ...",
     "Vous avez atteint la limite de lignes ...", "Sie haben das Limit von Zeilen erreicht ...",
     "You have reached the limit of rows ...", "Hai raggiunto il limite di righe ..."},
};

constexpr CatalogRow columnLimitMsgs[] = {
    {"Has llegado al limite de Columnas", "Você atingiu o limite de Colunas",
     "Vous avez atteint la limite de colonnes", "Sie haben das Limit von Säulen erreicht",
     "You have reached the limit of Columns", "Hai raggiunto il limite delle Colonne"},
    {"Sintiendolo mucho, No puedo Eliminar", "Sentindo-se muito, eu não posso apagar",
     "Sentant beaucoup, je ne peux pas supprimer", "Gefühl es viel, ich kann nicht gelöscht werden",
     "Feeling it a lot, I can not delete", "Sentirsi molto, non posso cancellare"},
};

constexpr CatalogRow insertLimitMsgs[] = {
    {"Has llegado al limite de columnas ...", "Você atingiu o limite de colunas ...",
     "Vous avez atteint la limite de colonnes ...", "Sie haben das Limit von Säulen erreicht ...",
     "You have reached the limit of columns ...", "Hai raggiunto il limite di colonne ..."},
    {"Sintiendolo mucho, No puedo Insertar", "Sentindo-se muito, eu não posso Insira",
     "Sentant beaucoup, je ne peux pas Insérer", "Gefühl es viel, ich kann nicht einfügen",
     "Feeling it a lot, I can not Insert", "Sentirsi molto, non posso inserire"},
};

constexpr CatalogRow mergeMsgs[] = {
    {"Sintiendolo mucho no puedo unir celdas Horizontales ...",
     "Sentindo-se tanto que eu não posso juntar células horizontais ...",
     "Sentant tellement que je ne peut pas rejoindre cellules horizontales ...",
     "Fühlen Sie so viel kann ich Horizontale Zellen nicht beitreten ...",
     "Feeling it so much I can not join Horizontal cells ...",
     "Sentendosi così tanto non posso aderire le cellule orizzontali ..."},
    {"No se ha seleccionado con corrección ...", "Não foi escolhido correcção ...",
     "Il n'a pas été choisi correction ...", "Es wurde nicht Korrektur gewählt ...",
     "It has not been chosen correction ...", "Non è stato scelto correzione ..."},
};

constexpr CatalogRow noVerticalMergeMsg[] = {
    {"Sintiendolo mucho no puedo unir celdas Verticales ...",
     "Sentindo-se tanto que eu não posso juntar células verticais ...",
     "Sentant tellement que je ne peut pas rejoindre cellules verticales ...",
     "Fühlen Sie so viel kann ich vertikale Zellen nicht beitreten ...",
     "Feeling it so much I can not join Vertical cells ...",
     "Sentendosi così tanto non posso aderire cellule verticali ..."},
};

constexpr CatalogRow selectionMsgs[] = {
    {"Selección Incorrecta ...", "Uma selecção incorrecta ...", "Mauvaise sélection ...",
     "Falsche Auswahl ...", "Incorrect selection ...", "Una errata selezione ..."},
    {"La selección tiene que ser seguida : ", "A seleção deve ser seguido : ",
     "La sélection doit être suivie : ", "Die Auswahl ist Folge zu leisten : ",
     "The selection must be followed : ", "La selezione deve essere seguita : "},
    {"de izquierda a derecha", "esquerda para a direita", "gauche à droite", "links nach rechts",
     "left to right", "sinistra a destra"},
    {" ó ", " ou ", " ou ", " oder ", " or ", " o "},
    {"de arriba hacia abajo", "careca", "de haut en bas", "von oben nach unten", "top down",
     "dall'alto al basso"},
};

constexpr CatalogRow overrideCellPrompt[] = {
    {"Para anular celda : ", "Para substituir celular : ", "Pour remplacer la cellule : ",
     "Um Zelle überschreiben : ", "To override cell : ", "Per sostituire cellule : "},
};

constexpr CatalogRow copyCellPrompt[] = {
    {"Para copiar celda : ", "Para copiar celular : ", "Pour copier cellulaire : ",
     "Um Zelle kopieren : ", "To copy cell : ", "Per copiare cellulare : "},
};

constexpr CatalogRow pasteCellPrompt[] = {
    {"Para pegar celda : ", "Para colar celular : ", "Pour coller la cellule : ", "Um Zellpaste : ",
     "To paste cell : ", "Per incollare cellulare : "},
};

constexpr CatalogRow clearCellPrompts[] = {
    {"Para borrar celda : ", "Para limpar celular : ", "Pour effacer la cellule : ",
     "Um Zelle zu löschen : ", "To clear cell : ", "Per cancellare cellulare : "},
    {"Seleccione celda ...", "Escolha a célula ...", "Sélectionnez la cellule ...",
     "Markieren Sie die Zelle ...", "Select cell ...", "Selezionare la cella ..."},
};

constexpr CatalogRow exportedBitmapMsg[] = {
    {"Exportado a bitmap ..", "Exportado para bitmap ..", "Exporté vers bitmap ..",
     "Bitmap exportiert ..", "Exported to bitmap ..", "Esportato in bitmap .."},
};

constexpr CatalogRow exportedCutBitmapMsg[] = {
    {"Exportado a bitmap cortado ..", "Exportado para cortar bitmap ..",
     "Exporté pour couper bitmap ..", "Exportiert nach Bitmap schneiden ..",
     "Exported to cut bitmap ..", "Esportato tagliare bitmap .."},
};

constexpr CatalogRow exportedJpegCutMsg[] = {
    {"Exportado a JPEG cortado", "JPEG exportados para cortar", "JPEG exporté pour couper",
     "JPEG exportiert zu schneiden", "Exported to JPEG cut", "JPEG esportati da tagliare"},
};

constexpr CatalogRow favouritesSavedMsg[] = {
    {"Mis Colores Favoritos han sido Archivados", "Minhas cores preferidas são arquivados",
     "Mes couleurs préférées sont déposées", "Meine Lieblingsfarben sind eingereicht",
     "My favorite colors are filed", "I miei colori preferiti sono depositate"},
};

constexpr CatalogRow resetFavouritesMsgs[] = {
    {"Realmente desea RESETEAR ?", "REINICIAR realmente quer ?", "ANNULER vraiment envie ?",
     "RESET wirklich ?", "RESET really want ?", "RESET vuole veramente ?"},
    {"Se perderan todos tus colores favoritos", "Todas as suas cores favoritas serão perdidos",
     "Tous vos couleurs préférées seront perdus", "Alle Ihre Lieblingsfarben verloren",
     "All your favorite colors will be lost", "Tutti i tuoi colori preferiti saranno persi"},
};

constexpr CatalogRow thanksTexts[] = {
    {"Quelmo te da las Gracias por usar este programa.", "Quelmo graças por usar este programa.",
     "Quelmo vous remercie d'utiliser ce programme.",
     "Quelmo Dank dieses Programm für die Verwendung.", "Quelmo thanks you for using this program.",
     "Quelmo vi ringrazia per l'utilizzo di questo programma."},
    {"Este es un programa hecho para todos los usuarios. https://example.org/quelmo ¡Visita la "
     "web!",
     "Este é um programa feito para todos os usuários. https://example.org/quelmo Visite o site!",
     "C'est un programme fait pour tous les utilisateurs. https://example.org/quelmo Visitez le "
     "site !",
     "Dies ist ein Programm für alle Benutzer. https://example.org/quelmo Besuchen Sie die Seite!",
     "This is a program made for all users. https://example.org/quelmo Visit the site!",
     "Questo è un programma fatto per tutti gli utenti. https://example.org/quelmo Visita il "
     "sito!"},
};

} // namespace

constexpr std::array<CatalogTableData, CatalogTableCount> catalogTables = {{
    {CatalogTable::OperationsMenu, 100, operationsMenu},
    {CatalogTable::EditMenu, 100, editMenu},
    {CatalogTable::MouseMenu, 100, mouseMenu},
    {CatalogTable::WheelMenuTitle, 100, wheelMenuTitle},
    {CatalogTable::WheelMenu, 100, wheelMenu},
    {CatalogTable::TableMenu, 100, tableMenu},
    {CatalogTable::ChartMenu, 100, chartMenu},
    {CatalogTable::LineMenu, 100, lineMenu},
    {CatalogTable::ColorMenu, 100, colorMenu},
    {CatalogTable::CopyConfigMenu, 100, copyConfigMenu},
    {CatalogTable::CharsetMenu, 100, charsetMenu},
    {CatalogTable::LanguagesMenuTitle, 100, languagesMenuTitle},
    {CatalogTable::NewTableLabels, 100, newTableLabels},
    {CatalogTable::SeparatorWord, 100, separatorWord},
    {CatalogTable::ThicknessWord, 100, thicknessWord},
    {CatalogTable::TableInfoLabels, 100, tableInfoLabels},
    {CatalogTable::TextPropsLabels, 100, textPropsLabels},
    {CatalogTable::NumberFormatTitle, 100, numberFormatTitle},
    {CatalogTable::NumberFormatNames, 100, numberFormatNames},
    {CatalogTable::FileNameDialogLabels, 100, fileNameDialogLabels},
    {CatalogTable::AuthorLabels, 100, authorLabels},
    {CatalogTable::FavouritesTitle, 100, favouritesTitle},
    {CatalogTable::SelectedColorTitle, 100, selectedColorTitle},
    {CatalogTable::ColorCaughtTitle, 100, colorCaughtTitle},
    {CatalogTable::FileWord, 100, fileWord},
    {CatalogTable::ResetWord, 100, resetWord},
    {CatalogTable::GetOutWord, 100, getOutWord},
    {CatalogTable::OldTableTitle, 100, oldTableTitle},
    {CatalogTable::ProgrammerTitle, 100, programmerTitle},
    {CatalogTable::BrowseIconTitle, 120, browseIconTitle},
    {CatalogTable::BrowsePictureTitle, 120, browsePictureTitle},
    {CatalogTable::BrowseJpegTitle, 100, browseJpegTitle},
    {CatalogTable::BrowseBitmapLabels, 100, browseBitmapLabels},
    {CatalogTable::GdiplusErrorMsg, 150, gdiplusErrorMsg},
    {CatalogTable::AssociationPrompt, 200, associationPrompt},
    {CatalogTable::ReallyExitMsg, 100, reallyExitMsg},
    {CatalogTable::SaveBeforeExitMsg, 100, saveBeforeExitMsg},
    {CatalogTable::TableRetouchedMsg, 100, tableRetouchedMsg},
    {CatalogTable::WorkFileMsgs, 100, workFileMsgs},
    {CatalogTable::WrongFormatMsg, 100, wrongFormatMsg},
    {CatalogTable::PreviousVersionHint, 100, previousVersionHint},
    {CatalogTable::NeedFileNameMsg, 100, needFileNameMsg},
    {CatalogTable::OverwriteMsgs, 100, overwriteMsgs},
    {CatalogTable::FormMsgs, 100, formMsgs},
    {CatalogTable::SizeLimitMsgs, 100, sizeLimitMsgs},
    {CatalogTable::RowLimitMsg, 100, rowLimitMsg},
    {CatalogTable::RowLimitMsg2, 100, rowLimitMsg2},
    {CatalogTable::ColumnLimitMsgs, 100, columnLimitMsgs},
    {CatalogTable::InsertLimitMsgs, 100, insertLimitMsgs},
    {CatalogTable::MergeMsgs, 100, mergeMsgs},
    {CatalogTable::NoVerticalMergeMsg, 100, noVerticalMergeMsg},
    {CatalogTable::SelectionMsgs, 100, selectionMsgs},
    {CatalogTable::OverrideCellPrompt, 100, overrideCellPrompt},
    {CatalogTable::CopyCellPrompt, 100, copyCellPrompt},
    {CatalogTable::PasteCellPrompt, 100, pasteCellPrompt},
    {CatalogTable::ClearCellPrompts, 100, clearCellPrompts},
    {CatalogTable::ExportedBitmapMsg, 100, exportedBitmapMsg},
    {CatalogTable::ExportedCutBitmapMsg, 100, exportedCutBitmapMsg},
    {CatalogTable::ExportedJpegCutMsg, 120, exportedJpegCutMsg},
    {CatalogTable::FavouritesSavedMsg, 100, favouritesSavedMsg},
    {CatalogTable::ResetFavouritesMsgs, 100, resetFavouritesMsgs},
    {CatalogTable::ThanksTexts, 100, thanksTexts},
}};

namespace {

constexpr bool tablesFollowTheEnum()
{
    for (int i = 0; i < CatalogTableCount; ++i) {
        if (catalogTables[i].table != static_cast<CatalogTable>(i))
            return false;
    }
    return true;
}

constexpr int messageCount()
{
    int count = 0;
    for (const auto& t : catalogTables)
        count += static_cast<int>(t.rows.size());
    return count;
}

static_assert(tablesFollowTheEnum());
static_assert(messageCount() == 177);

} // namespace
