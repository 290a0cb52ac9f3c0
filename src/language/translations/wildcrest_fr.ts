<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Cards</name>
    <message>
        <source>ace of %1</source>
        <translation>as de %1</translation>
    </message>
    <message>
        <source>two of %1</source>
        <translation>deux de %1</translation>
    </message>
    <message>
        <source>three of %1</source>
        <translation>trois de %1</translation>
    </message>
    <message>
        <source>four of %1</source>
        <translation>quatre de %1</translation>
    </message>
    <message>
        <source>five of %1</source>
        <translation>cinq de %1</translation>
    </message>
    <message>
        <source>six of %1</source>
        <translation>six de %1</translation>
    </message>
    <message>
        <source>seven of %1</source>
        <translation>sept de %1</translation>
    </message>
    <message>
        <source>eight of %1</source>
        <translation>huit de %1</translation>
    </message>
    <message>
        <source>nine of %1</source>
        <translation>neuf de %1</translation>
    </message>
    <message>
        <source>ten of %1</source>
        <translation>dix de %1</translation>
    </message>
    <message>
        <source>jack of %1</source>
        <translation>valet de %1</translation>
    </message>
    <message>
        <source>queen of %1</source>
        <translation>dame de %1</translation>
    </message>
    <message>
        <source>king of %1</source>
        <translation>roi de %1</translation>
    </message>
    <message>
        <source>the ace of %1</source>
        <translation>l&apos;as de %1</translation>
    </message>
    <message>
        <source>the two of %1</source>
        <translation>le deux de %1</translation>
    </message>
    <message>
        <source>the three of %1</source>
        <translation>le trois de %1</translation>
    </message>
    <message>
        <source>the four of %1</source>
        <translation>le quatre de %1</translation>
    </message>
    <message>
        <source>the five of %1</source>
        <translation>le cinq de %1</translation>
    </message>
    <message>
        <source>the six of %1</source>
        <translation>le six de %1</translation>
    </message>
    <message>
        <source>the seven of %1</source>
        <translation>le sept de %1</translation>
    </message>
    <message>
        <source>the eight of %1</source>
        <translation>le huit de %1</translation>
    </message>
    <message>
        <source>the nine of %1</source>
        <translation>le neuf de %1</translation>
    </message>
    <message>
        <source>the ten of %1</source>
        <translation>le dix de %1</translation>
    </message>
    <message>
        <source>the jack of %1</source>
        <translation>le valet de %1</translation>
    </message>
    <message>
        <source>the queen of %1</source>
        <translation>la dame de %1</translation>
    </message>
    <message>
        <source>the king of %1</source>
        <translation>le roi de %1</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Back to the game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>End the game?</source>
        <translation>Quitter le jeu ?</translation>
    </message>
    <message>
        <source>No, back to the game</source>
        <translation>Non, retour au jeu</translation>
    </message>
    <message>
        <source>Yes, end the game</source>
        <translation>Oui, quitter le jeu</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>scale %1 does not fit this screen (%2 × %3 available); playing at %4</source>
        <translation>la taille %1 ne tient pas dans cet écran (%2 × %3 disponibles) ; la partie se joue en taille %4</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>You drew a card</source>
        <translation>Tu as pioché une carte</translation>
    </message>
    <message>
        <source>%1 drew a card</source>
        <translation>%1 a pioché une carte</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Tu as joué %1</translation>
    </message>
    <message>
        <source>%1 played %2</source>
        <translation>%1 a joué %2</translation>
    </message>
    <message>
        <source>You played %1 and named %2</source>
        <translation>Tu as joué %1 et choisi %2</translation>
    </message>
    <message>
        <source>%1 played %2 and named %3</source>
        <translation>%1 a joué %2 et choisi %3</translation>
    </message>
    <message>
        <source>Round %1: %2 %3, %4 %5</source>
        <translation>Manche %1 : %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>you</source>
        <translation>toi</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>ordinateur</translation>
    </message>
    <message>
        <source>Round %1 of 5 is dealt: the pile shows %2</source>
        <translation>La manche %1 sur 5 est distribuée : la défausse montre %2</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>.</source>
        <comment>decimal point</comment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>how long each card and suit is offered, 0.5 to 10 seconds; auto learns it from the player&apos;s presses</source>
        <translation>durée pendant laquelle chaque carte et chaque couleur est proposée, de 0.5 à 10 secondes ; auto la déduit des appuis du joueur</translation>
    </message>
    <message>
        <source>a left click anywhere on the window is the switch too</source>
        <translation>un clic gauche n&apos;importe où dans la fenêtre sert aussi de contacteur</translation>
    </message>
    <message>
        <source>any button of any joystick or gamepad is the switch too</source>
        <translation>tout bouton de n&apos;importe quel joystick ou manette sert aussi de contacteur</translation>
    </message>
    <message>
        <source>a second switch: Return or Enter, the right button, joystick button N (0 to 31), or the key Qt names NAME (key:F8)</source>
        <translation>un second contacteur : la touche Entrée (ou celle du pavé numérique), le bouton droit de la souris, le bouton N du joystick (0 à 31) ou la touche que Qt nomme NAME (key:F8)</translation>
    </message>
    <message>
        <source>presses that follow the last one within this time are ignored, 0 to 2000</source>
        <translation>les appuis qui suivent le précédent dans ce délai sont ignorés, de 0 à 2000</translation>
    </message>
    <message>
        <source>a press counts only once the switch is held this long, 0 to 2000</source>
        <translation>un appui ne compte que si le contacteur reste enfoncé au moins ce temps, de 0 à 2000</translation>
    </message>
    <message>
        <source>the first offer of a turn and of a suit choice lasts twice the scan time</source>
        <translation>la première proposition d&apos;un tour et d&apos;un choix de couleur dure deux fois le temps de défilement</translation>
    </message>
    <message>
        <source>how the offered card is marked: lifted, or lifted and framed</source>
        <translation>comment la carte proposée est signalée : soulevée, ou soulevée et encadrée</translation>
    </message>
    <message>
        <source>a short sound at each new offer</source>
        <translation>un son bref à chaque nouvelle proposition</translation>
    </message>
    <message>
        <source>offered cards and suits, the computer&apos;s plays and the results are spoken</source>
        <translation>les cartes et couleurs proposées, les coups de l&apos;ordinateur et les résultats sont lus à voix haute</translation>
    </message>
    <message>
        <source>the whole table drawn this many times larger; fit: the largest that fits the screen</source>
        <translation>la table entière agrandie autant de fois ; fit : la plus grande taille qui tient dans l&apos;écran</translation>
    </message>
    <message>
        <source>large-index: a big rank and suit in the corners of every card</source>
        <translation>large-index : valeur et couleur en grand dans les coins de chaque carte</translation>
    </message>
    <message>
        <source>spades black, hearts red, diamonds blue and clubs green</source>
        <translation>pique en noir, cœur en rouge, carreau en bleu et trèfle en vert</translation>
    </message>
    <message>
        <source>high: a dark table, light text, marked name plates and the strongest offer frame</source>
        <translation>high : une table sombre, un texte clair, des plaques de nom marquées et le cadre de proposition le plus visible</translation>
    </message>
    <message>
        <source>auto: each card offered in turn</source>
        <translation>auto : chaque carte est proposée à tour de rôle</translation>
    </message>
    <message>
        <source>step: switch 1 moves, the second switch takes</source>
        <translation>step : le contacteur 1 avance, le second contacteur valide</translation>
    </message>
    <message>
        <source>step-dwell: each press moves, a card left for the scan time is taken</source>
        <translation>step-dwell : chaque appui avance, une carte laissée pendant le temps de défilement est validée</translation>
    </message>
    <message>
        <source>inverse: hold to move, let go to take</source>
        <translation>inverse : maintenir pour avancer, relâcher pour valider</translation>
    </message>
    <message>
        <source>after this many passes with no press the scan rests until the next press; 0 never</source>
        <translation>après ce nombre de passages sans appui, le défilement s&apos;arrête jusqu&apos;au prochain appui ; 0 : jamais</translation>
    </message>
    <message>
        <source>a plain line on the table says what a press will do when nothing is offered</source>
        <translation>une ligne simple sur la table indique ce que fera un appui quand rien n&apos;est proposé</translation>
    </message>
    <message>
        <source>long-press: holding the switch opens a menu to pause, change the speed, start a new match or end the game</source>
        <translation>long-press : maintenir le contacteur ouvre un menu pour faire une pause, changer la vitesse, commencer une nouvelle partie ou quitter le jeu</translation>
    </message>
    <message>
        <source>how long the switch is held to open the menu, 1.5 to 10 seconds</source>
        <translation>durée pendant laquelle le contacteur est maintenu pour ouvrir le menu, de 1.5 à 10 secondes</translation>
    </message>
    <message>
        <source>the language of the table, the speech and the settings; auto: the desktop&apos;s, or English</source>
        <translation>la langue de la table, de la voix et des paramètres ; auto : celle du bureau, ou l&apos;anglais</translation>
    </message>
    <message>
        <source>two-step: a first press stops on the card and says it, a second within the scan time takes it</source>
        <translation>two-step : un premier appui s&apos;arrête sur la carte et l&apos;annonce, un second pendant le temps de défilement la valide</translation>
    </message>
    <message>
        <source>how the computer plays: gentle for a beginner, standard, or clever</source>
        <translation>comment joue l&apos;ordinateur : gentle pour débuter, standard ou clever</translation>
    </message>
    <message>
        <source>this player&apos;s own switch when two play at one computer: any input another player does not name, the key Qt names NAME, joystick button N (0 to 31), or the right button</source>
        <translation>le contacteur propre à ce joueur quand deux jouent sur un même ordinateur : toute entrée que l&apos;autre joueur ne nomme pas, la touche que Qt nomme NAME, le bouton N du joystick (0 à 31) ou le bouton droit de la souris</translation>
    </message>
    <message>
        <source>who plays the top hand: the computer, or the player NAME with the settings of their own file</source>
        <translation>qui joue la main du haut : l&apos;ordinateur (computer) ou le joueur NAME, avec les paramètres de son propre fichier</translation>
    </message>
    <message>
        <source>with two players: handover shows the backs of both hands between turns; open keeps both face up</source>
        <translation>à deux joueurs : handover montre le dos des deux mains entre les tours ; open les laisse toutes deux face visible</translation>
    </message>
    <message>
        <source>a line on the table says what just happened</source>
        <translation>une ligne sur la table dit ce qui vient de se passer</translation>
    </message>
    <message>
        <source>every press and offer is kept on this computer, for the therapist&apos;s report (wildcrest --record)</source>
        <translation>chaque appui et chaque proposition sont conservés sur cet ordinateur, pour le rapport du thérapeute (wildcrest --record)</translation>
    </message>
    <message>
        <source>when the presses show the player tiring, a rest is offered until the next press</source>
        <translation>quand les appuis montrent que le joueur se fatigue, une pause est proposée jusqu&apos;au prochain appui</translation>
    </message>
    <message>
        <source>a match left unfinished is saved after every turn; at the next start: ask on the title, always go on with it, or never</source>
        <translation>une partie inachevée est enregistrée après chaque tour ; au prochain lancement : demander sur l&apos;écran titre, toujours la reprendre, ou jamais</translation>
    </message>
    <message>
        <source>with speech, an offer&apos;s time starts only once its name has been spoken to the end</source>
        <translation>avec la parole, le temps d&apos;une offre ne commence qu&apos;une fois son nom entièrement prononcé</translation>
    </message>
    <message>
        <source>bar: a bar under the card, suit or menu item on offer empties over the time it is offered</source>
        <translation>bar : une barre sous la carte, la couleur ou l&apos;entrée de menu proposée se vide pendant le temps de l&apos;offre</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Press to see your cards again</source>
        <translation>Appuie pour revoir tes cartes</translation>
    </message>
    <message>
        <source>Press to draw a card</source>
        <translation>Appuie pour piocher une carte</translation>
    </message>
    <message>
        <source>Press for the next round</source>
        <translation>Appuie pour la manche suivante</translation>
    </message>
    <message>
        <source>Press for a new match</source>
        <translation>Appuie pour une nouvelle partie</translation>
    </message>
    <message>
        <source>%1&apos;s turn: press when ready</source>
        <translation>À %1 de jouer : appuie quand tu es prêt</translation>
    </message>
    <message>
        <source>Take a rest? Press to go on</source>
        <translation>Une pause ? Appuyez pour continuer</translation>
    </message>
</context>
<context>
    <name>RecordReport</name>
    <message>
        <source>Wildcrest: record of switch use</source>
        <translation>Wildcrest : enregistrement de l&apos;usage du contacteur</translation>
    </message>
    <message>
        <source>Reaction time per session: mean and ±1 SD</source>
        <translation>Temps de réaction par séance : moyenne et ±1 écart type</translation>
    </message>
    <message>
        <source>Coefficient of variation per session</source>
        <translation>Coefficient de variation par séance</translation>
    </message>
    <message>
        <source>Late presses, passes with no press, ignored presses</source>
        <translation>Appuis tardifs, passages sans appui, appuis ignorés</translation>
    </message>
    <message>
        <source>Fatigue curve: rolling median reaction in the session</source>
        <translation>Courbe de fatigue : médiane glissante de la réaction pendant la séance</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;u :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>&amp;Session:</source>
        <translation>&amp;Séance :</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Exporter en &amp;CSV…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>±1 SD</source>
        <translation>±1 écart type</translation>
    </message>
    <message>
        <source>Mean reaction (ms)</source>
        <translation>Réaction moyenne (ms)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Séance</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>SD / mean</source>
        <translation>écart type / moyenne</translation>
    </message>
    <message>
        <source>Coefficient of variation</source>
        <translation>Coefficient de variation</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Tardifs</translation>
    </message>
    <message>
        <source>Passes with no press</source>
        <translation>Passages sans appui</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignorés</translation>
    </message>
    <message>
        <source>%1 % of right selections</source>
        <translation>%1 % des bons choix</translation>
    </message>
    <message>
        <source>% of right selections</source>
        <translation>% des bons choix</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Suggested scan time: %1 s (mean reaction / %2, from %3 presses); in force: %4</source>
        <translation>Temps de défilement suggéré : %1 s (réaction moyenne / %2, sur %3 appuis) ; en vigueur : %4</translation>
    </message>
    <message>
        <source>Suggested scan time: none yet (no offer taken in time by a press); in force: %1</source>
        <translation>Temps de défilement suggéré : aucun pour l&apos;instant (aucune proposition prise à temps par un appui) ; en vigueur : %1</translation>
    </message>
    <message>
        <source>%1, from %2 to %3: sessions %4; presses taken in time %5</source>
        <translation>%1, du %2 au %3 : séances %4 ; appuis pris à temps %5</translation>
    </message>
    <message>
        <source>Rolling median of 10 (ms)</source>
        <translation>Médiane glissante sur 10 (ms)</translation>
    </message>
    <message>
        <source>Minutes into the session</source>
        <translation>Minutes depuis le début de la séance</translation>
    </message>
    <message>
        <source>Export the record as CSV</source>
        <translation>Exporter l&apos;enregistrement en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Learn it from the player&apos;s presses</source>
        <translation>Le déduire des appuis du joueur</translation>
    </message>
    <message>
        <source>A left click is the switch</source>
        <translation>Un clic gauche sert de contacteur</translation>
    </message>
    <message>
        <source>Any joystick or gamepad button is the switch</source>
        <translation>Tout bouton de joystick ou de manette sert de contacteur</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Return or Enter</source>
        <translation>Touche Entrée</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Joystick button</source>
        <translation>Bouton de joystick</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Joystick button number</source>
        <translation>Numéro du bouton de joystick</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nom de la touche</translation>
    </message>
    <message>
        <source>Twice as long</source>
        <translation>Deux fois plus longue</translation>
    </message>
    <message>
        <source>Lifted</source>
        <translation>Soulevée</translation>
    </message>
    <message>
        <source>Lifted and framed</source>
        <translation>Soulevée et encadrée</translation>
    </message>
    <message>
        <source>A short sound</source>
        <translation>Un son bref</translation>
    </message>
    <message>
        <source>Speak offers, plays and results</source>
        <translation>Lire à voix haute propositions, coups et résultats</translation>
    </message>
    <message>
        <source>As large as the screen allows</source>
        <translation>Aussi grande que l&apos;écran le permet</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Large rank and suit in the corners</source>
        <translation>Valeur et couleur en grand dans les coins</translation>
    </message>
    <message>
        <source>Four colours: diamonds blue, clubs green</source>
        <translation>Quatre teintes : carreau en bleu, trèfle en vert</translation>
    </message>
    <message>
        <source>High: dark table, light text</source>
        <translation>Élevé : table sombre, texte clair</translation>
    </message>
    <message>
        <source>Each card in turn (auto)</source>
        <translation>Chaque carte à tour de rôle (auto)</translation>
    </message>
    <message>
        <source>Switch 1 moves, switch 2 takes (step)</source>
        <translation>Contacteur 1 avance, contacteur 2 valide (step)</translation>
    </message>
    <message>
        <source>Each press moves, waiting takes (step-dwell)</source>
        <translation>Chaque appui avance, l&apos;attente valide (step-dwell)</translation>
    </message>
    <message>
        <source>Hold to move, let go to take (inverse)</source>
        <translation>Maintenir pour avancer, relâcher pour valider (inverse)</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Sans fin</translation>
    </message>
    <message>
        <source> passes</source>
        <translation> passages</translation>
    </message>
    <message>
        <source>Say what a press will do</source>
        <translation>Indiquer ce que fera un appui</translation>
    </message>
    <message>
        <source>A long press opens the menu</source>
        <translation>Un appui long ouvre le menu</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>&amp;Scan time:</source>
        <translation>Temps de dé&amp;filement :</translation>
    </message>
    <message>
        <source>&amp;Mouse:</source>
        <translation>&amp;Souris :</translation>
    </message>
    <message>
        <source>&amp;Joystick:</source>
        <translation>&amp;Joystick :</translation>
    </message>
    <message>
        <source>Second s&amp;witch:</source>
        <translation>S&amp;econd contacteur :</translation>
    </message>
    <message>
        <source>&amp;Debounce:</source>
        <translation>&amp;Anti-rebond :</translation>
    </message>
    <message>
        <source>&amp;Acceptance time:</source>
        <translation>Temps d&apos;a&amp;cceptation :</translation>
    </message>
    <message>
        <source>&amp;First offer:</source>
        <translation>&amp;Première proposition :</translation>
    </message>
    <message>
        <source>&amp;Highlight:</source>
        <translation>&amp;Mise en évidence :</translation>
    </message>
    <message>
        <source>S&amp;ound at each offer:</source>
        <translation>Son à c&amp;haque proposition :</translation>
    </message>
    <message>
        <source>S&amp;peech:</source>
        <translation>Synthèse &amp;vocale :</translation>
    </message>
    <message>
        <source>S&amp;canning:</source>
        <translation>&amp;Défilement :</translation>
    </message>
    <message>
        <source>Scan &amp;loops:</source>
        <translation>&amp;Nombre de passages :</translation>
    </message>
    <message>
        <source>P&amp;rompts:</source>
        <translation>&amp;Indications :</translation>
    </message>
    <message>
        <source>Switch m&amp;enu:</source>
        <translation>Men&amp;u du contacteur :</translation>
    </message>
    <message>
        <source>Menu &amp;hold:</source>
        <translation>Maintien pour &amp;le menu :</translation>
    </message>
    <message>
        <source>Table si&amp;ze:</source>
        <translation>&amp;Taille de la table :</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>Ca&amp;rtes :</translation>
    </message>
    <message>
        <source>Co&amp;ntrast:</source>
        <translation>C&amp;ontraste :</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Lan&amp;gue :</translation>
    </message>
    <message>
        <source>For the player, saved in %1. Options given on the command line win over these.</source>
        <translation>Pour le joueur, enregistrés dans %1. Les options passées en ligne de commande ont priorité sur ces paramètres.</translation>
    </message>
    <message>
        <source>The settings file %1 was changed by something else while this dialog was open. Save again to replace it with the settings shown here, or Cancel to keep it as it is now.</source>
        <translation>Le fichier de paramètres %1 a été modifié ailleurs pendant que cette fenêtre était ouverte. Enregistrez à nouveau pour le remplacer par les paramètres affichés ici, ou cliquez sur Annuler pour le garder tel qu&apos;il est maintenant.</translation>
    </message>
    <message>
        <source>The second switch&apos;s key needs a name as Qt writes it, such as F8 or Tab.</source>
        <translation>La touche du second contacteur doit être nommée comme Qt l&apos;écrit, par exemple F8 ou Tab.</translation>
    </message>
    <message>
        <source>Step scanning needs a second switch to take the card on offer: choose one, or another way of scanning.</source>
        <translation>Le défilement pas à pas (step) a besoin d&apos;un second contacteur pour valider la carte proposée : choisissez-en un, ou un autre mode de défilement.</translation>
    </message>
    <message>
        <source>First press stops, second press takes (two-step)</source>
        <translation>Le premier appui arrête, le second valide (two-step)</translation>
    </message>
    <message>
        <source>On this screen: up to %1 ×</source>
        <translation>Sur cet écran : jusqu&apos;à %1 ×</translation>
    </message>
    <message>
        <source>Gentle: easy to beat</source>
        <translation>Gentil : facile à battre</translation>
    </message>
    <message>
        <source>Clever: plays well</source>
        <translation>Malin : joue bien</translation>
    </message>
    <message>
        <source>Compu&amp;ter:</source>
        <translation>Ordina&amp;teur :</translation>
    </message>
    <message>
        <source>Own sw&amp;itch:</source>
        <translation>Contacteur du &amp;joueur :</translation>
    </message>
    <message>
        <source>Top hand played &amp;by:</source>
        <translation>Main du &amp;haut jouée par :</translation>
    </message>
    <message>
        <source>Handed over: both face down between turns</source>
        <translation>Passage de main : les deux face cachée entre les tours</translation>
    </message>
    <message>
        <source>Open: both face up</source>
        <translation>Ouvertes : les deux face visible</translation>
    </message>
    <message>
        <source>Hands between t&amp;urns:</source>
        <translation>Mains entre les to&amp;urs :</translation>
    </message>
    <message>
        <source>Narration:</source>
        <translation>Narration :</translation>
    </message>
    <message>
        <source>Say what just happened</source>
        <translation>Dire ce qui vient de se passer</translation>
    </message>
    <message>
        <source>Any, less the other player&apos;s switch</source>
        <translation>Toute entrée, sauf le contacteur de l&apos;autre joueur</translation>
    </message>
    <message>
        <source>The player&apos;s own switch needs a key name as Qt writes it, such as Space or F8.</source>
        <translation>Le contacteur du joueur a besoin d&apos;un nom de touche tel que Qt l&apos;écrit, comme Space ou F8.</translation>
    </message>
    <message>
        <source>(no name: the usual settings)</source>
        <translation>(sans nom : les paramètres habituels)</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>Each player has settings of their own. Choosing a player shows theirs; Save writes them.</source>
        <translation>Chaque joueur a ses propres paramètres. Choisir un joueur affiche les siens ; Enregistrer les écrit.</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>There is a player %1 already: choose another name.</source>
        <translation>Il y a déjà un joueur %1 : choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Ajouter un joueur</translation>
    </message>
    <message>
        <source>The new player&apos;s name (they start from the usual defaults):</source>
        <translation>Le nom du nouveau joueur (il part des paramètres par défaut) :</translation>
    </message>
    <message>
        <source>Rename a player</source>
        <translation>Renommer un joueur</translation>
    </message>
    <message>
        <source>The new name of %1:</source>
        <translation>Le nouveau nom de %1 :</translation>
    </message>
    <message>
        <source>Delete the player %1 and their settings?</source>
        <translation>Supprimer le joueur %1 et ses paramètres ?</translation>
    </message>
    <message>
        <source>Delete a player</source>
        <translation>Supprimer un joueur</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot be empty</source>
        <translation>le nom d&apos;un joueur ne peut pas être vide</translation>
    </message>
    <message>
        <source>a player&apos;s name is at most %1 characters, not &quot;%2&quot;</source>
        <translation>le nom d&apos;un joueur a au plus %1 caractères, pas « %2 »</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot have a slash, as &quot;%1&quot; has</source>
        <translation>le nom d&apos;un joueur ne peut pas contenir de barre oblique, comme « %1 »</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot start with a dot or hold &quot;..&quot;, as &quot;%1&quot; does</source>
        <translation>le nom d&apos;un joueur ne peut pas commencer par un point ni contenir « .. », comme « %1 »</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot start or end with a space, as &quot;%1&quot; does</source>
        <translation>le nom d&apos;un joueur ne peut pas commencer ni finir par une espace, comme « %1 »</translation>
    </message>
    <message>
        <source>a player&apos;s name can only have printable characters</source>
        <translation>le nom d&apos;un joueur ne peut contenir que des caractères imprimables</translation>
    </message>
    <message>
        <source>Wildcrest settings: %1</source>
        <translation>Paramètres de Wildcrest : %1</translation>
    </message>
    <message>
        <source>The settings shown have changes that are not saved: keep editing them, save them, or discard them?</source>
        <translation>Les paramètres affichés ont des modifications non enregistrées : continuer à les modifier, les enregistrer ou les abandonner ?</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Continuer à modifier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Some of %1 could not be taken; the fields show what the game plays with instead:</source>
        <translation>Une partie de %1 n&apos;a pas pu être reprise ; les champs montrent ce que le jeu utilise à la place :</translation>
    </message>
    <message>
        <source>The computer</source>
        <translation>L&apos;ordinateur</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Enregistrement :</translation>
    </message>
    <message>
        <source>Keep a record of switch use on this computer</source>
        <translation>Enregistrer l&apos;usage du contacteur sur cet ordinateur</translation>
    </message>
    <message>
        <source>Rest:</source>
        <translation>Pause :</translation>
    </message>
    <message>
        <source>Offer a rest when the player tires</source>
        <translation>Proposer une pause quand le joueur se fatigue</translation>
    </message>
    <message>
        <source>Kept: every press of the switch and every offer, each with its time; the scores of the rounds; the settings in force. Where: %1. It stays on this computer and is never sent anywhere. It can be deleted at any time, here or with wildcrest --forget-record.</source>
        <translation>Conservé : chaque appui sur le contacteur et chaque proposition, avec son heure ; les scores des manches ; les paramètres en vigueur. Où : %1. Il reste sur cet ordinateur et n&apos;est jamais envoyé nulle part. Il peut être effacé à tout moment, ici ou avec wildcrest --forget-record.</translation>
    </message>
    <message>
        <source>Delete this player&apos;s record…</source>
        <translation>Effacer l&apos;enregistrement de ce joueur…</translation>
    </message>
    <message>
        <source>Delete a record</source>
        <translation>Effacer un enregistrement</translation>
    </message>
    <message>
        <source>Delete the record of switch use of %1 from this computer? It cannot be brought back.</source>
        <translation>Effacer de cet ordinateur l&apos;enregistrement de l&apos;usage du contacteur de %1 ? Il ne pourra pas être récupéré.</translation>
    </message>
    <message>
        <source>&amp;View the record…</source>
        <translation>Voir l&apos;enregistrement…</translation>
    </message>
    <message>
        <source>Ask on the title</source>
        <translation>Demander sur l&apos;écran titre</translation>
    </message>
    <message>
        <source>Always go on with it</source>
        <translation>Toujours la reprendre</translation>
    </message>
    <message>
        <source>Never: a new match each time</source>
        <translation>Jamais : une nouvelle partie à chaque fois</translation>
    </message>
    <message>
        <source>Unfinished match:</source>
        <translation>Partie inachevée :</translation>
    </message>
    <message>
        <source>Speech pacing:</source>
        <translation>Rythme de la parole :</translation>
    </message>
    <message>
        <source>Wait for each name to be spoken</source>
        <translation>Attendre que chaque nom soit prononcé</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Non affiché</translation>
    </message>
    <message>
        <source>A bar under the offer that empties</source>
        <translation>Une barre sous l&apos;offre qui se vide</translation>
    </message>
    <message>
        <source>Time left:</source>
        <translation>Temps restant :</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>cannot be read as a file; using the defaults</source>
        <translation>ne peut pas être lu comme un fichier ; les valeurs par défaut sont utilisées</translation>
    </message>
    <message>
        <source>is larger than %1 KiB, so it cannot be settings; using the defaults</source>
        <translation>dépasse %1 Kio et ne peut donc pas contenir des paramètres ; les valeurs par défaut sont utilisées</translation>
    </message>
    <message>
        <source>%1: there is no such option; it is left out</source>
        <translation>%1 : cette option n&apos;existe pas ; elle est ignorée</translation>
    </message>
    <message>
        <source>%1: %2; using the default %3</source>
        <translation>%1 : %2 ; la valeur par défaut %3 est utilisée</translation>
    </message>
    <message>
        <source>some of it is not settings (lines of name=value); that part is left out</source>
        <translation>une partie n&apos;est pas des paramètres (lignes nom=valeur) ; cette partie est ignorée</translation>
    </message>
    <message>
        <source>%1; using scan-method=auto</source>
        <translation>%1 ; scan-method=auto est utilisé</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>lignes %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>nothing to play: press the switch to draw a card</source>
        <translation>rien à jouer : appuie sur le contacteur pour piocher une carte</translation>
    </message>
    <message>
        <source>you draw %1</source>
        <translation>tu pioches %1</translation>
    </message>
    <message>
        <source>the computer draws a card</source>
        <translation>l&apos;ordinateur pioche une carte</translation>
    </message>
    <message>
        <source>the computer plays %1 and names %2</source>
        <translation>l&apos;ordinateur joue %1 et annonce %2</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>l&apos;ordinateur joue %1</translation>
    </message>
    <message>
        <source>name a suit: %1</source>
        <translation>choisis une couleur : %1</translation>
    </message>
    <message>
        <source>the round is over: you have %1, the computer %2</source>
        <translation>la manche est terminée : tu as %1, l&apos;ordinateur %2</translation>
    </message>
    <message>
        <source>you win the match</source>
        <translation>tu gagnes la partie</translation>
    </message>
    <message>
        <source>the computer wins the match</source>
        <translation>l&apos;ordinateur gagne la partie</translation>
    </message>
    <message>
        <source>the match is a tie</source>
        <translation>la partie se termine à égalité</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menu</translation>
    </message>
    <message>
        <source>each offer now lasts %1 seconds</source>
        <translation>chaque proposition dure maintenant %1 secondes</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gagne la partie</translation>
    </message>
</context>
<context>
    <name>SwitchTryOut</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 button %2</source>
        <translation>%1, bouton %2</translation>
    </message>
    <message>
        <source>%1, switch %2</source>
        <translation>%1, contacteur %2</translation>
    </message>
    <message>
        <source>%1, held %2</source>
        <translation>%1, maintenu %2</translation>
    </message>
    <message>
        <source>%1, %2 since the last</source>
        <translation>%1, %2 après le précédent</translation>
    </message>
    <message>
        <source>%1, the first</source>
        <translation>%1, le premier</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Press the player&apos;s switch</source>
        <translation>Appuyez sur le contacteur du joueur</translation>
    </message>
    <message>
        <source>Keys and clicks here, and any joystick button, are shown as the game would take them under the debounce and acceptance set below. Tab leaves this panel.</source>
        <translation>Les touches et clics faits ici, ainsi que tout bouton de joystick, s&apos;affichent tels que le jeu les prendrait en compte avec l&apos;anti-rebond et le temps d&apos;acceptation réglés ci-dessous. La touche Tab quitte ce panneau.</translation>
    </message>
    <message>
        <source>Presses seen</source>
        <translation>Appuis détectés</translation>
    </message>
    <message>
        <source>After %1 presses a debounce is suggested from the bounces seen.</source>
        <translation>Après %1 appuis, un anti-rebond est proposé d&apos;après les rebonds observés.</translation>
    </message>
    <message>
        <source>Use this debounce</source>
        <translation>Utiliser cet anti-rebond</translation>
    </message>
    <message>
        <source>No bounces in %1 presses: no debounce is needed.</source>
        <translation>Aucun rebond en %1 appuis : l&apos;anti-rebond n&apos;est pas nécessaire.</translation>
    </message>
    <message>
        <source>Bounces up to %1 in %2 presses: a debounce of %3 ms is suggested.</source>
        <translation>Rebonds jusqu&apos;à %1 en %2 appuis : un anti-rebond de %3 ms est conseillé.</translation>
    </message>
    <message>
        <source>key</source>
        <translation>touche</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>souris</translation>
    </message>
    <message>
        <source>joystick</source>
        <translation>joystick</translation>
    </message>
    <message>
        <source>counted</source>
        <translation>compté</translation>
    </message>
    <message>
        <source>ignored: within debounce</source>
        <translation>ignoré : dans le délai d&apos;anti-rebond</translation>
    </message>
    <message>
        <source>ignored: released after %1 ms, acceptance %2 ms</source>
        <translation>ignoré : relâché après %1 ms, acceptation %2 ms</translation>
    </message>
    <message>
        <source>ignored: the switch was already down</source>
        <translation>ignoré : le contacteur était déjà enfoncé</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>non compté</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Round: %1 of 5</source>
        <translation>Manche : %1 sur 5</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉPART</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Player Wins!</source>
        <translation>Tu gagnes !</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>L&apos;ordi gagne !</translation>
    </message>
    <message>
        <source>Tie Game!</source>
        <translation>Égalité !</translation>
    </message>
    <message>
        <source>[Press any key to start]</source>
        <translation>[Appuie sur une touche pour jouer]</translation>
    </message>
    <message>
        <source>A game of eights for players who use one switch</source>
        <translation>Un jeu de huit américain pour les joueurs qui utilisent un seul contacteur</translation>
    </message>
    <message>
        <source>Any key that types a character, a click or a controller button is the switch</source>
        <translation>Le contacteur : toute touche de caractère, un clic ou un bouton de manette</translation>
    </message>
    <message>
        <source>To set it up for a player: wildcrest --settings</source>
        <translation>Pour l&apos;adapter à un joueur : wildcrest --settings</translation>
    </message>
    <message>
        <source>Esc ends the game at any time</source>
        <translation>Échap quitte le jeu à tout moment</translation>
    </message>
    <message>
        <source>one switch, every card</source>
        <translation>un appui, chaque carte</translation>
    </message>
    <message numerus="yes">
        <source>%n card</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n carte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Ta main</translation>
    </message>
    <message>
        <source>Computer&apos;s hand</source>
        <translation>Main de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>%1, empty place</source>
        <translation>%1, emplacement vide</translation>
    </message>
    <message>
        <source>%1, card %2 of %3</source>
        <translation>%1, carte %2 sur %3</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Ta main : %1</translation>
    </message>
    <message>
        <source>Computer&apos;s hand: %1</source>
        <translation>Main de l&apos;ordinateur : %1</translation>
    </message>
    <message>
        <source>Pile: empty</source>
        <translation>Défausse : vide</translation>
    </message>
    <message>
        <source>Pile: eight, %1 named</source>
        <translation>Défausse : huit, %1 annoncé</translation>
    </message>
    <message>
        <source>Pile: %1</source>
        <translation>Défausse : %1</translation>
    </message>
    <message>
        <source>Deck: %1</source>
        <translation>Pioche : %1</translation>
    </message>
    <message>
        <source>Card on its way</source>
        <translation>Carte en mouvement</translation>
    </message>
    <message>
        <source>%1, to play</source>
        <translation>%1, c&apos;est son tour</translation>
    </message>
    <message>
        <source>Player %1, Computer %2</source>
        <translation>Joueur %1, ordinateur %2</translation>
    </message>
    <message>
        <source>Computer %1, Player %2</source>
        <translation>Ordinateur %1, joueur %2</translation>
    </message>
    <message>
        <source>The Wildcrest crest</source>
        <translation>Le blason de Wildcrest</translation>
    </message>
    <message>
        <source>One switch. Every card.</source>
        <translation>Un contacteur. Toutes les cartes.</translation>
    </message>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 gagne !</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <source>%1&apos;s hand</source>
        <translation>Main de %1</translation>
    </message>
    <message>
        <source>%1&apos;s hand: %2</source>
        <translation>Main de %1 : %2</translation>
    </message>
    <message>
        <source>%1, card %2 of %3</source>
        <comment>the card&apos;s name first</comment>
        <translation>%1, carte %2 sur %3</translation>
    </message>
    <message>
        <source>%1, card %2 of %3, %4</source>
        <translation>%1, carte %2 sur %3, %4</translation>
    </message>
    <message>
        <source>%1, name a suit</source>
        <translation>%1, choisis une couleur</translation>
    </message>
    <message>
        <source>%1, menu</source>
        <translation>%1, menu</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>you</source>
        <translation>toi</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>ordinateur</translation>
    </message>
    <message>
        <source>Go on with the match: round %1 of 5, %2 %3, %4 %5</source>
        <translation>Reprendre la partie : manche %1 sur 5, %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>The saved match %1 could not be played and is put aside. [Press any key to start]</source>
        <translation>La partie enregistrée %1 n&apos;a pas pu être jouée et a été mise de côté. [Appuie sur une touche pour jouer]</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nouvelle partie</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Options (also read from %1,
where the command line wins):</source>
        <translation>Options (lues aussi dans %1,
la ligne de commande ayant priorité) :</translation>
    </message>
    <message>
        <source>%1 (default %2)</source>
        <translation>%1 (par défaut : %2)</translation>
    </message>
    <message>
        <source>open the settings dialog, which writes that file</source>
        <translation>ouvre la fenêtre des paramètres, qui écrit ce fichier</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>affiche ce texte</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>affiche la version</translation>
    </message>
    <message>
        <source>play with the settings of the player NAME, kept in players/NAME.conf beside that file; with --settings, edit them</source>
        <translation>joue avec les paramètres du joueur NAME, gardés dans players/NAME.conf à côté de ce fichier ; avec --settings, les modifie</translation>
    </message>
    <message>
        <source>Usage: wildcrest [--player=NAME] [--OPTION=VALUE]...
       wildcrest --settings | --help | --version
       wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record

A card game played with one switch: each choice is offered in turn and one
press of any key, a click or any joystick button takes it. Esc ends the game.
</source>
        <translation>Utilisation : wildcrest [--player=NAME] [--OPTION=VALUE]...
              wildcrest --settings | --help | --version
              wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record

Un jeu de cartes qui se joue avec un seul contacteur : chaque choix est
proposé à tour de rôle, et un appui sur une touche, un clic ou un bouton de
joystick le prend. Échap quitte le jeu.
</translation>
    </message>
    <message>
        <source>open the report on the player&apos;s record of switch use (kept with record=on)</source>
        <translation>ouvre le rapport sur l&apos;enregistrement de l&apos;usage du contacteur du joueur (conservé avec record=on)</translation>
    </message>
    <message>
        <source>write the player&apos;s record to FILE.csv, one line for each press and offer</source>
        <translation>écrit l&apos;enregistrement du joueur dans FILE.csv, une ligne par appui et par proposition</translation>
    </message>
    <message>
        <source>delete the player&apos;s record from this computer</source>
        <translation>efface l&apos;enregistrement du joueur de cet ordinateur</translation>
    </message>
    <message>
        <source>start a new match, whatever match was saved at the last stop</source>
        <translation>commence une nouvelle partie, quelle que soit la partie enregistrée au dernier arrêt</translation>
    </message>
</context>
</TS>
