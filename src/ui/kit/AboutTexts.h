#pragma once

#include <string_view>

namespace quendaro {

// The "&About" messages of the three large generators, shown exactly as
// written (the leading blanks and the typing slips are the program's own).

inline constexpr std::string_view kCharacterHelpText =
    " Questo generatore permette di avere un PG o PNG che dir si voglia in "
    "pochi attimi, basta selezionare razza, classe, allineamento e gli "
    "altri dati. Ovviamente non tutte le combinazioni possono andare bene "
    "e naturalmente il software vi avvertirà nel caso commettiate un "
    "errore e vi spiegherà che genere di errore è stato commesso. Ad "
    "esempio nel creare un paladino bisognerà ricordarsi che esso deve "
    "essere per forza umano e che l'unico allineamento concesso è quello "
    "legale-buono.Nella sezione abilità, vicino ai valori di forza, "
    "costituzione etc.. appariranno le abilità corrispondenti al valore a "
    "sinistra. Di fianco alla casella dell'età apparirà invece la "
    "definizione della vostra fascia d'età corrispondente al numero.Da "
    "questa sezione è possibile accedere ai generatori di punti ferita e a "
    "quello dei nomi. Per ciò che concerne il primo, questo permette di "
    "tirare il numero di pf per pg e png in base al livello "
    "selezionato.Per maggiori dettagli leggi il file LEGGIMI.TXT";

inline constexpr std::string_view kTreasureHelpText =
    "Questo generatore permette di creare in pochia ttimi dei tesori di "
    "una grande tana dalla A alla I appunto con valori fino a 5. Verranno "
    "visualizzati a lato tutti i tesori e gli eventuali oggetti magici. "
    "Come per ogni sezione di questo programma, si sono seguite le regole "
    "di AD&D del Manuale del Dungeon Master.";

inline constexpr std::string_view kWeaponHelpText =
    " Questo generatore permette di creare armi intelligenti con tutte le "
    "caratteristiche, dalle abilità al valore di ego e di intelligenza "
    "(molto importanti per stabilire il tipo di rapporto che si ha col "
    "proprietario) Se nella casella ''abilità dell'arma'' una determinata "
    "abilità compare più volte allora questo potere verrà raddoppiato, "
    "triplicato etc., a seconda di quante volte appare, nel "
    "raggio,potenza,magia...";

// The help of the windows that have no "&About" item, shown by F1: what the
// window is for and how it is used, in the program's own words.
inline constexpr std::string_view kNameHelpText =
    "Questo generatore crea nomi fantasy unendo due o tre sillabe. Scegli "
    "nel riquadro \"Nomi\" se vuoi nomi maschili o femminili e premi "
    "\"Genera\" (o Ctrl+G): ogni pressione dà un nome nuovo. \"Cancella\" "
    "toglie il nome visualizzato; con il tasto destro del mouse sul nome lo "
    "puoi copiare.";

inline constexpr std::string_view kHitPointHelpText =
    "Questo generatore tira i punti ferita (PF) di un PNG. Scrivi o scegli il "
    "livello, da 1 a 20, poi premi il pulsante della classe: Militare, "
    "Vagabondo, Sacerdote o Esperto di magia. Il risultato compare nella "
    "colonna PF e va sommato a mano al bonus della costituzione; il pulsante "
    "in fondo alla riga lo cancella. Spunta \"Ritira se il punteggio è "
    "minore della metà\" per non avere PNG con pochi PF. Ctrl+G tira di "
    "nuovo per l'ultima classe.";

inline constexpr std::string_view kStartHelpText =
    "Quendaro 32 raccoglie i generatori casuali del master di AD&D 2ª "
    "Edizione: personaggi, tesori delle tane, armi intelligenti, punti "
    "ferita e nomi. Clicca sul logo (o premi Invio) per aprire il menù "
    "principale.";

inline constexpr std::string_view kMainMenuHelpText =
    "Clicca sull'icona o sul nome del generatore che vuoi aprire: "
    "personaggi (PG-PNG), armi intelligenti o tesori. Dai loro menù si "
    "raggiungono anche i punti ferita e i nomi. \"ESCI\" chiude il "
    "programma.";

inline constexpr std::string_view kCreditsHelpText =
    "Qui sono ricordati chi ha scritto il programma, chi lo ha provato e chi "
    "ne ha disegnato il logo. \"OK\" (o Esc) chiude la finestra.";

// The maker's presentation, the same in every window.
inline constexpr std::string_view kMakerPresentation =
    "Quendaro 32 è un programma della Morvellan Software, piccola "
    "bottega di strumenti per giocatori di ruolo.\n\n"
    "Per suggerimenti e segnalazioni: morvellan.software@example.org";

}  // namespace quendaro
