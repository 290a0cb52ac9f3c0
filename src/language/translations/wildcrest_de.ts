<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Cards</name>
    <message>
        <source>ace of %1</source>
        <translation>%1-Ass</translation>
    </message>
    <message>
        <source>two of %1</source>
        <translation>%1-Zwei</translation>
    </message>
    <message>
        <source>three of %1</source>
        <translation>%1-Drei</translation>
    </message>
    <message>
        <source>four of %1</source>
        <translation>%1-Vier</translation>
    </message>
    <message>
        <source>five of %1</source>
        <translation>%1-Fünf</translation>
    </message>
    <message>
        <source>six of %1</source>
        <translation>%1-Sechs</translation>
    </message>
    <message>
        <source>seven of %1</source>
        <translation>%1-Sieben</translation>
    </message>
    <message>
        <source>eight of %1</source>
        <translation>%1-Acht</translation>
    </message>
    <message>
        <source>nine of %1</source>
        <translation>%1-Neun</translation>
    </message>
    <message>
        <source>ten of %1</source>
        <translation>%1-Zehn</translation>
    </message>
    <message>
        <source>jack of %1</source>
        <translation>%1-Bube</translation>
    </message>
    <message>
        <source>queen of %1</source>
        <translation>%1-Dame</translation>
    </message>
    <message>
        <source>king of %1</source>
        <translation>%1-König</translation>
    </message>
    <message>
        <source>the ace of %1</source>
        <translation>das %1-Ass</translation>
    </message>
    <message>
        <source>the two of %1</source>
        <translation>die %1-Zwei</translation>
    </message>
    <message>
        <source>the three of %1</source>
        <translation>die %1-Drei</translation>
    </message>
    <message>
        <source>the four of %1</source>
        <translation>die %1-Vier</translation>
    </message>
    <message>
        <source>the five of %1</source>
        <translation>die %1-Fünf</translation>
    </message>
    <message>
        <source>the six of %1</source>
        <translation>die %1-Sechs</translation>
    </message>
    <message>
        <source>the seven of %1</source>
        <translation>die %1-Sieben</translation>
    </message>
    <message>
        <source>the eight of %1</source>
        <translation>die %1-Acht</translation>
    </message>
    <message>
        <source>the nine of %1</source>
        <translation>die %1-Neun</translation>
    </message>
    <message>
        <source>the ten of %1</source>
        <translation>die %1-Zehn</translation>
    </message>
    <message>
        <source>the jack of %1</source>
        <translation>den %1-Buben</translation>
    </message>
    <message>
        <source>the queen of %1</source>
        <translation>die %1-Dame</translation>
    </message>
    <message>
        <source>the king of %1</source>
        <translation>den %1-König</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Back to the game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>End the game?</source>
        <translation>Spiel beenden?</translation>
    </message>
    <message>
        <source>No, back to the game</source>
        <translation>Nein, zurück zum Spiel</translation>
    </message>
    <message>
        <source>Yes, end the game</source>
        <translation>Ja, Spiel beenden</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>scale %1 does not fit this screen (%2 × %3 available); playing at %4</source>
        <translation>Größe %1 passt nicht auf diesen Bildschirm (%2 × %3 verfügbar); gespielt wird in Größe %4</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>You drew a card</source>
        <translation>Du hast eine Karte gezogen</translation>
    </message>
    <message>
        <source>%1 drew a card</source>
        <translation>%1 hat eine Karte gezogen</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Du hast %1 gespielt</translation>
    </message>
    <message>
        <source>%1 played %2</source>
        <translation>%1 hat %2 gespielt</translation>
    </message>
    <message>
        <source>You played %1 and named %2</source>
        <translation>Du hast %1 gespielt und %2 gewählt</translation>
    </message>
    <message>
        <source>%1 played %2 and named %3</source>
        <translation>%1 hat %2 gespielt und %3 gewählt</translation>
    </message>
    <message>
        <source>Round %1: %2 %3, %4 %5</source>
        <translation>Runde %1: %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>you</source>
        <translation>du</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Round %1 of 5 is dealt: the pile shows %2</source>
        <translation>Runde %1 von 5 ist gegeben: auf dem Ablagestapel liegt %2</translation>
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
        <translation>wie lange jede Karte und Farbe angeboten wird, 0.5 bis 10 Sekunden; auto: lernt die Zeit aus den Tastendrücken des Spielers</translation>
    </message>
    <message>
        <source>a left click anywhere on the window is the switch too</source>
        <translation>ein Linksklick irgendwo ins Fenster zählt ebenfalls als Taster</translation>
    </message>
    <message>
        <source>any button of any joystick or gamepad is the switch too</source>
        <translation>jede Taste jedes Joysticks oder Gamepads zählt ebenfalls als Taster</translation>
    </message>
    <message>
        <source>a second switch: Return or Enter, the right button, joystick button N (0 to 31), or the key Qt names NAME (key:F8)</source>
        <translation>ein zweiter Taster: die Eingabetaste (Return oder Enter), die rechte Maustaste, Joystick-Taste N (0 bis 31) oder die Taste, die Qt NAME nennt (key:F8)</translation>
    </message>
    <message>
        <source>presses that follow the last one within this time are ignored, 0 to 2000</source>
        <translation>Tastendrücke, die innerhalb dieser Zeit auf den letzten folgen, werden ignoriert, 0 bis 2000</translation>
    </message>
    <message>
        <source>a press counts only once the switch is held this long, 0 to 2000</source>
        <translation>ein Tastendruck zählt erst, wenn der Taster so lange gedrückt bleibt, 0 bis 2000</translation>
    </message>
    <message>
        <source>the first offer of a turn and of a suit choice lasts twice the scan time</source>
        <translation>das erste Angebot eines Zuges und einer Farbwahl dauert doppelt so lange wie die Scanzeit</translation>
    </message>
    <message>
        <source>how the offered card is marked: lifted, or lifted and framed</source>
        <translation>wie die angebotene Karte markiert wird: angehoben oder angehoben und umrahmt</translation>
    </message>
    <message>
        <source>a short sound at each new offer</source>
        <translation>ein kurzer Ton bei jedem neuen Angebot</translation>
    </message>
    <message>
        <source>offered cards and suits, the computer&apos;s plays and the results are spoken</source>
        <translation>angebotene Karten und Farben, die Züge des Computers und die Ergebnisse werden angesagt</translation>
    </message>
    <message>
        <source>the whole table drawn this many times larger; fit: the largest that fits the screen</source>
        <translation>der ganze Tisch wird so viele Male größer gezeichnet; fit: so groß, wie es der Bildschirm zulässt</translation>
    </message>
    <message>
        <source>large-index: a big rank and suit in the corners of every card</source>
        <translation>large-index: Wert und Farbe groß in den Ecken jeder Karte</translation>
    </message>
    <message>
        <source>spades black, hearts red, diamonds blue and clubs green</source>
        <translation>Pik schwarz, Herz rot, Karo blau und Kreuz grün</translation>
    </message>
    <message>
        <source>high: a dark table, light text, marked name plates and the strongest offer frame</source>
        <translation>high: ein dunkler Tisch, heller Text, markierte Namensschilder und der kräftigste Rahmen um das Angebot</translation>
    </message>
    <message>
        <source>auto: each card offered in turn</source>
        <translation>auto: jede Karte wird der Reihe nach angeboten</translation>
    </message>
    <message>
        <source>step: switch 1 moves, the second switch takes</source>
        <translation>step: Taster 1 rückt weiter, der zweite Taster wählt</translation>
    </message>
    <message>
        <source>step-dwell: each press moves, a card left for the scan time is taken</source>
        <translation>step-dwell: jeder Tastendruck rückt weiter, eine Karte, die die Scanzeit lang stehen bleibt, wird gewählt</translation>
    </message>
    <message>
        <source>inverse: hold to move, let go to take</source>
        <translation>inverse: halten, um weiterzurücken, loslassen, um zu wählen</translation>
    </message>
    <message>
        <source>after this many passes with no press the scan rests until the next press; 0 never</source>
        <translation>nach so vielen Durchläufen ohne Tastendruck pausiert das Scannen bis zum nächsten Tastendruck; 0: nie</translation>
    </message>
    <message>
        <source>a plain line on the table says what a press will do when nothing is offered</source>
        <translation>eine schlichte Zeile auf dem Tisch sagt, was ein Tastendruck bewirkt, wenn nichts angeboten wird</translation>
    </message>
    <message>
        <source>long-press: holding the switch opens a menu to pause, change the speed, start a new match or end the game</source>
        <translation>long-press: langes Halten des Tasters öffnet ein Menü zum Pausieren, Ändern des Tempos, Starten einer neuen Partie oder Beenden des Spiels</translation>
    </message>
    <message>
        <source>how long the switch is held to open the menu, 1.5 to 10 seconds</source>
        <translation>wie lange der Taster gehalten werden muss, um das Menü zu öffnen, 1.5 bis 10 Sekunden</translation>
    </message>
    <message>
        <source>the language of the table, the speech and the settings; auto: the desktop&apos;s, or English</source>
        <translation>die Sprache von Tisch, Sprachausgabe und Einstellungen; auto: die des Desktops, sonst Englisch</translation>
    </message>
    <message>
        <source>two-step: a first press stops on the card and says it, a second within the scan time takes it</source>
        <translation>two-step: ein erster Tastendruck hält auf der Karte an und sagt sie an, ein zweiter innerhalb der Scanzeit wählt sie</translation>
    </message>
    <message>
        <source>how the computer plays: gentle for a beginner, standard, or clever</source>
        <translation>wie der Computer spielt: gentle für Anfänger, standard oder clever</translation>
    </message>
    <message>
        <source>this player&apos;s own switch when two play at one computer: any input another player does not name, the key Qt names NAME, joystick button N (0 to 31), or the right button</source>
        <translation>der eigene Taster dieses Spielers, wenn zwei an einem Computer spielen: jede Eingabe, die der andere Spieler nicht nennt, die Taste, die Qt NAME nennt, Joystick-Taste N (0 bis 31) oder die rechte Maustaste</translation>
    </message>
    <message>
        <source>who plays the top hand: the computer, or the player NAME with the settings of their own file</source>
        <translation>wer das obere Blatt spielt: der Computer (computer) oder der Spieler NAME mit den Einstellungen seiner eigenen Datei</translation>
    </message>
    <message>
        <source>with two players: handover shows the backs of both hands between turns; open keeps both face up</source>
        <translation>bei zwei Spielern: handover zeigt zwischen den Zügen die Rückseiten beider Blätter; open lässt beide offen liegen</translation>
    </message>
    <message>
        <source>a line on the table says what just happened</source>
        <translation>eine Zeile auf dem Tisch sagt, was gerade geschehen ist</translation>
    </message>
    <message>
        <source>every press and offer is kept on this computer, for the therapist&apos;s report (wildcrest --record)</source>
        <translation>jeder Druck und jedes Angebot wird auf diesem Computer aufbewahrt, für den Bericht an die Therapeutin oder den Therapeuten (wildcrest --record)</translation>
    </message>
    <message>
        <source>when the presses show the player tiring, a rest is offered until the next press</source>
        <translation>wenn die Drücke zeigen, dass der Spieler müde wird, wird bis zum nächsten Druck eine Pause angeboten</translation>
    </message>
    <message>
        <source>a match left unfinished is saved after every turn; at the next start: ask on the title, always go on with it, or never</source>
        <translation>eine nicht beendete Partie wird nach jedem Zug gespeichert; beim nächsten Start: auf dem Titelbild fragen, immer fortsetzen oder nie</translation>
    </message>
    <message>
        <source>with speech, an offer&apos;s time starts only once its name has been spoken to the end</source>
        <translation>mit Sprachausgabe beginnt die Zeit eines Angebots erst, wenn sein Name zu Ende gesprochen ist</translation>
    </message>
    <message>
        <source>bar: a bar under the card, suit or menu item on offer empties over the time it is offered</source>
        <translation>bar: ein Balken unter der angebotenen Karte, Farbe oder Menüzeile leert sich über die Zeit des Angebots</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Press to see your cards again</source>
        <translation>Drücken, um deine Karten wieder zu sehen</translation>
    </message>
    <message>
        <source>Press to draw a card</source>
        <translation>Drücken, um eine Karte zu ziehen</translation>
    </message>
    <message>
        <source>Press for the next round</source>
        <translation>Drücken für die nächste Runde</translation>
    </message>
    <message>
        <source>Press for a new match</source>
        <translation>Drücken für eine neue Partie</translation>
    </message>
    <message>
        <source>%1&apos;s turn: press when ready</source>
        <translation>%1 ist dran: drücken, wenn bereit</translation>
    </message>
    <message>
        <source>Take a rest? Press to go on</source>
        <translation>Eine Pause? Drücken, um weiterzuspielen</translation>
    </message>
</context>
<context>
    <name>RecordReport</name>
    <message>
        <source>Wildcrest: record of switch use</source>
        <translation>Wildcrest: Aufzeichnung der Tasternutzung</translation>
    </message>
    <message>
        <source>Reaction time per session: mean and ±1 SD</source>
        <translation>Reaktionszeit je Sitzung: Mittelwert und ±1 SA</translation>
    </message>
    <message>
        <source>Coefficient of variation per session</source>
        <translation>Variationskoeffizient je Sitzung</translation>
    </message>
    <message>
        <source>Late presses, passes with no press, ignored presses</source>
        <translation>Späte Drücke, Durchläufe ohne Druck, ignorierte Drücke</translation>
    </message>
    <message>
        <source>Fatigue curve: rolling median reaction in the session</source>
        <translation>Ermüdungskurve: gleitender Median der Reaktion in der Sitzung</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Session:</source>
        <translation>S&amp;itzung:</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>&amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Als P&amp;DF speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>±1 SD</source>
        <translation>±1 SA</translation>
    </message>
    <message>
        <source>Mean reaction (ms)</source>
        <translation>Mittlere Reaktion (ms)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>SD / mean</source>
        <translation>SA / Mittelwert</translation>
    </message>
    <message>
        <source>Coefficient of variation</source>
        <translation>Variationskoeffizient</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Spät</translation>
    </message>
    <message>
        <source>Passes with no press</source>
        <translation>Durchläufe ohne Druck</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignoriert</translation>
    </message>
    <message>
        <source>%1 % of right selections</source>
        <translation>%1 % der richtigen Auswahlen</translation>
    </message>
    <message>
        <source>% of right selections</source>
        <translation>% der richtigen Auswahlen</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Suggested scan time: %1 s (mean reaction / %2, from %3 presses); in force: %4</source>
        <translation>Vorgeschlagene Scanzeit: %1 s (mittlere Reaktion / %2, aus %3 Drücken); eingestellt: %4</translation>
    </message>
    <message>
        <source>Suggested scan time: none yet (no offer taken in time by a press); in force: %1</source>
        <translation>Vorgeschlagene Scanzeit: noch keine (kein Angebot rechtzeitig per Druck gewählt); eingestellt: %1</translation>
    </message>
    <message>
        <source>%1, from %2 to %3: sessions %4; presses taken in time %5</source>
        <translation>%1, vom %2 bis %3: Sitzungen %4; rechtzeitig gewählte Drücke %5</translation>
    </message>
    <message>
        <source>Rolling median of 10 (ms)</source>
        <translation>Gleitender Median von 10 (ms)</translation>
    </message>
    <message>
        <source>Minutes into the session</source>
        <translation>Minuten seit Beginn der Sitzung</translation>
    </message>
    <message>
        <source>Export the record as CSV</source>
        <translation>Die Aufzeichnung als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Den Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
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
        <translation>Aus den Tastendrücken des Spielers lernen</translation>
    </message>
    <message>
        <source>A left click is the switch</source>
        <translation>Ein Linksklick zählt als Taster</translation>
    </message>
    <message>
        <source>Any joystick or gamepad button is the switch</source>
        <translation>Jede Joystick- oder Gamepad-Taste zählt als Taster</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Return or Enter</source>
        <translation>Eingabetaste (Return oder Enter)</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Joystick button</source>
        <translation>Joystick-Taste</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Joystick button number</source>
        <translation>Nummer der Joystick-Taste</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Tastenname</translation>
    </message>
    <message>
        <source>Twice as long</source>
        <translation>Doppelt so lange</translation>
    </message>
    <message>
        <source>Lifted</source>
        <translation>Angehoben</translation>
    </message>
    <message>
        <source>Lifted and framed</source>
        <translation>Angehoben und umrahmt</translation>
    </message>
    <message>
        <source>A short sound</source>
        <translation>Ein kurzer Ton</translation>
    </message>
    <message>
        <source>Speak offers, plays and results</source>
        <translation>Angebote, Züge und Ergebnisse ansagen</translation>
    </message>
    <message>
        <source>As large as the screen allows</source>
        <translation>So groß, wie es der Bildschirm zulässt</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Large rank and suit in the corners</source>
        <translation>Wert und Farbe groß in den Ecken</translation>
    </message>
    <message>
        <source>Four colours: diamonds blue, clubs green</source>
        <translation>Vier Farben: Karo blau, Kreuz grün</translation>
    </message>
    <message>
        <source>High: dark table, light text</source>
        <translation>Hoch: dunkler Tisch, heller Text</translation>
    </message>
    <message>
        <source>Each card in turn (auto)</source>
        <translation>Jede Karte der Reihe nach (auto)</translation>
    </message>
    <message>
        <source>Switch 1 moves, switch 2 takes (step)</source>
        <translation>Taster 1 rückt weiter, Taster 2 wählt (step)</translation>
    </message>
    <message>
        <source>Each press moves, waiting takes (step-dwell)</source>
        <translation>Jeder Druck rückt weiter, Warten wählt (step-dwell)</translation>
    </message>
    <message>
        <source>Hold to move, let go to take (inverse)</source>
        <translation>Halten rückt weiter, Loslassen wählt (inverse)</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source> passes</source>
        <translation> Durchläufe</translation>
    </message>
    <message>
        <source>Say what a press will do</source>
        <translation>Anzeigen, was ein Tastendruck bewirkt</translation>
    </message>
    <message>
        <source>A long press opens the menu</source>
        <translation>Langes Drücken öffnet das Menü</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>&amp;Scan time:</source>
        <translation>&amp;Scanzeit:</translation>
    </message>
    <message>
        <source>&amp;Mouse:</source>
        <translation>&amp;Maus:</translation>
    </message>
    <message>
        <source>&amp;Joystick:</source>
        <translation>&amp;Joystick:</translation>
    </message>
    <message>
        <source>Second s&amp;witch:</source>
        <translation>&amp;Zweiter Taster:</translation>
    </message>
    <message>
        <source>&amp;Debounce:</source>
        <translation>&amp;Entprellung:</translation>
    </message>
    <message>
        <source>&amp;Acceptance time:</source>
        <translation>&amp;Akzeptanzzeit:</translation>
    </message>
    <message>
        <source>&amp;First offer:</source>
        <translation>E&amp;rstes Angebot:</translation>
    </message>
    <message>
        <source>&amp;Highlight:</source>
        <translation>&amp;Hervorhebung:</translation>
    </message>
    <message>
        <source>S&amp;ound at each offer:</source>
        <translation>&amp;Ton bei jedem Angebot:</translation>
    </message>
    <message>
        <source>S&amp;peech:</source>
        <translation>Sprachaus&amp;gabe:</translation>
    </message>
    <message>
        <source>S&amp;canning:</source>
        <translation>S&amp;canmethode:</translation>
    </message>
    <message>
        <source>Scan &amp;loops:</source>
        <translation>Scan-&amp;Durchläufe:</translation>
    </message>
    <message>
        <source>P&amp;rompts:</source>
        <translation>Hi&amp;nweise:</translation>
    </message>
    <message>
        <source>Switch m&amp;enu:</source>
        <translation>Menü ü&amp;ber Taster:</translation>
    </message>
    <message>
        <source>Menu &amp;hold:</source>
        <translation>Menü-Ha&amp;ltedauer:</translation>
    </message>
    <message>
        <source>Table si&amp;ze:</source>
        <translation>T&amp;ischgröße:</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Karten:</translation>
    </message>
    <message>
        <source>Co&amp;ntrast:</source>
        <translation>K&amp;ontrast:</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>S&amp;prache:</translation>
    </message>
    <message>
        <source>For the player, saved in %1. Options given on the command line win over these.</source>
        <translation>Einstellungen für den Spieler, gespeichert in %1. Auf der Befehlszeile angegebene Optionen haben Vorrang.</translation>
    </message>
    <message>
        <source>The settings file %1 was changed by something else while this dialog was open. Save again to replace it with the settings shown here, or Cancel to keep it as it is now.</source>
        <translation>Die Einstellungsdatei %1 wurde von anderer Seite geändert, während dieser Dialog geöffnet war. Speichern Sie erneut, um sie durch die hier gezeigten Einstellungen zu ersetzen, oder wählen Sie Abbrechen, um sie so zu belassen, wie sie jetzt ist.</translation>
    </message>
    <message>
        <source>The second switch&apos;s key needs a name as Qt writes it, such as F8 or Tab.</source>
        <translation>Die Taste des zweiten Tasters braucht einen Namen, wie Qt ihn schreibt, etwa F8 oder Tab.</translation>
    </message>
    <message>
        <source>Step scanning needs a second switch to take the card on offer: choose one, or another way of scanning.</source>
        <translation>Schrittweises Scannen braucht einen zweiten Taster, der die angebotene Karte wählt: Wählen Sie einen aus oder eine andere Scanmethode.</translation>
    </message>
    <message>
        <source>First press stops, second press takes (two-step)</source>
        <translation>Erster Druck hält an, zweiter Druck wählt (two-step)</translation>
    </message>
    <message>
        <source>On this screen: up to %1 ×</source>
        <translation>Auf diesem Bildschirm: bis %1 ×</translation>
    </message>
    <message>
        <source>Gentle: easy to beat</source>
        <translation>Sanft: leicht zu schlagen</translation>
    </message>
    <message>
        <source>Clever: plays well</source>
        <translation>Schlau: spielt gut</translation>
    </message>
    <message>
        <source>Compu&amp;ter:</source>
        <translation>Compu&amp;ter:</translation>
    </message>
    <message>
        <source>Own sw&amp;itch:</source>
        <translation>E&amp;igener Taster:</translation>
    </message>
    <message>
        <source>Top hand played &amp;by:</source>
        <translation>Oberes Blatt spie&amp;lt:</translation>
    </message>
    <message>
        <source>Handed over: both face down between turns</source>
        <translation>Übergabe: zwischen den Zügen beide verdeckt</translation>
    </message>
    <message>
        <source>Open: both face up</source>
        <translation>Offen: beide aufgedeckt</translation>
    </message>
    <message>
        <source>Hands between t&amp;urns:</source>
        <translation>Blätter zwischen den Z&amp;ügen:</translation>
    </message>
    <message>
        <source>Narration:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Say what just happened</source>
        <translation>Sagen, was gerade geschehen ist</translation>
    </message>
    <message>
        <source>Any, less the other player&apos;s switch</source>
        <translation>Jede Eingabe außer dem Taster des anderen Spielers</translation>
    </message>
    <message>
        <source>The player&apos;s own switch needs a key name as Qt writes it, such as Space or F8.</source>
        <translation>Der eigene Taster des Spielers braucht einen Tastennamen, wie Qt ihn schreibt, etwa Space oder F8.</translation>
    </message>
    <message>
        <source>(no name: the usual settings)</source>
        <translation>(ohne Namen: die üblichen Einstellungen)</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>Each player has settings of their own. Choosing a player shows theirs; Save writes them.</source>
        <translation>Jeder Spieler hat seine eigenen Einstellungen. Die Wahl eines Spielers zeigt seine; Speichern schreibt sie.</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen…</translation>
    </message>
    <message>
        <source>There is a player %1 already: choose another name.</source>
        <translation>Es gibt schon einen Spieler %1: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>The new player&apos;s name (they start from the usual defaults):</source>
        <translation>Der Name des neuen Spielers (er beginnt mit den üblichen Voreinstellungen):</translation>
    </message>
    <message>
        <source>Rename a player</source>
        <translation>Spieler umbenennen</translation>
    </message>
    <message>
        <source>The new name of %1:</source>
        <translation>Der neue Name für %1:</translation>
    </message>
    <message>
        <source>Delete the player %1 and their settings?</source>
        <translation>Den Spieler %1 und seine Einstellungen löschen?</translation>
    </message>
    <message>
        <source>Delete a player</source>
        <translation>Spieler löschen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot be empty</source>
        <translation>der Name eines Spielers darf nicht leer sein</translation>
    </message>
    <message>
        <source>a player&apos;s name is at most %1 characters, not &quot;%2&quot;</source>
        <translation>der Name eines Spielers hat höchstens %1 Zeichen, nicht „%2“</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot have a slash, as &quot;%1&quot; has</source>
        <translation>der Name eines Spielers darf keinen Schrägstrich enthalten, wie „%1“ ihn hat</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot start with a dot or hold &quot;..&quot;, as &quot;%1&quot; does</source>
        <translation>der Name eines Spielers darf nicht mit einem Punkt beginnen oder „..“ enthalten, wie „%1“</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot start or end with a space, as &quot;%1&quot; does</source>
        <translation>der Name eines Spielers darf nicht mit einem Leerzeichen beginnen oder enden, wie „%1“</translation>
    </message>
    <message>
        <source>a player&apos;s name can only have printable characters</source>
        <translation>der Name eines Spielers darf nur druckbare Zeichen enthalten</translation>
    </message>
    <message>
        <source>Wildcrest settings: %1</source>
        <translation>Wildcrest-Einstellungen: %1</translation>
    </message>
    <message>
        <source>The settings shown have changes that are not saved: keep editing them, save them, or discard them?</source>
        <translation>Die angezeigten Einstellungen haben Änderungen, die nicht gespeichert sind: weiter bearbeiten, speichern oder verwerfen?</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Some of %1 could not be taken; the fields show what the game plays with instead:</source>
        <translation>Einiges aus %1 konnte nicht übernommen werden; die Felder zeigen, womit das Spiel stattdessen spielt:</translation>
    </message>
    <message>
        <source>The computer</source>
        <translation>Der Computer</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Aufzeichnung:</translation>
    </message>
    <message>
        <source>Keep a record of switch use on this computer</source>
        <translation>Die Nutzung des Tasters auf diesem Computer aufzeichnen</translation>
    </message>
    <message>
        <source>Rest:</source>
        <translation>Pause:</translation>
    </message>
    <message>
        <source>Offer a rest when the player tires</source>
        <translation>Eine Pause anbieten, wenn der Spieler müde wird</translation>
    </message>
    <message>
        <source>Kept: every press of the switch and every offer, each with its time; the scores of the rounds; the settings in force. Where: %1. It stays on this computer and is never sent anywhere. It can be deleted at any time, here or with wildcrest --forget-record.</source>
        <translation>Aufgezeichnet werden: jeder Druck des Tasters und jedes Angebot, jeweils mit seiner Zeit; die Punkte der Runden; die eingestellten Werte. Wo: %1. Die Aufzeichnung bleibt auf diesem Computer und wird nirgendwohin gesendet. Sie kann jederzeit gelöscht werden, hier oder mit wildcrest --forget-record.</translation>
    </message>
    <message>
        <source>Delete this player&apos;s record…</source>
        <translation>Die Aufzeichnung dieses Spielers löschen…</translation>
    </message>
    <message>
        <source>Delete a record</source>
        <translation>Eine Aufzeichnung löschen</translation>
    </message>
    <message>
        <source>Delete the record of switch use of %1 from this computer? It cannot be brought back.</source>
        <translation>Die Aufzeichnung der Tasternutzung von %1 von diesem Computer löschen? Sie kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>&amp;View the record…</source>
        <translation>Au&amp;fzeichnung ansehen…</translation>
    </message>
    <message>
        <source>Ask on the title</source>
        <translation>Auf dem Titelbild fragen</translation>
    </message>
    <message>
        <source>Always go on with it</source>
        <translation>Immer fortsetzen</translation>
    </message>
    <message>
        <source>Never: a new match each time</source>
        <translation>Nie: jedes Mal eine neue Partie</translation>
    </message>
    <message>
        <source>Unfinished match:</source>
        <translation>Nicht beendete Partie:</translation>
    </message>
    <message>
        <source>Speech pacing:</source>
        <translation>Sprechtempo:</translation>
    </message>
    <message>
        <source>Wait for each name to be spoken</source>
        <translation>Warten, bis jeder Name gesprochen ist</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Nicht gezeigt</translation>
    </message>
    <message>
        <source>A bar under the offer that empties</source>
        <translation>Ein Balken unter dem Angebot, der sich leert</translation>
    </message>
    <message>
        <source>Time left:</source>
        <translation>Restzeit:</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>cannot be read as a file; using the defaults</source>
        <translation>kann nicht als Datei gelesen werden; es gelten die Standardwerte</translation>
    </message>
    <message>
        <source>is larger than %1 KiB, so it cannot be settings; using the defaults</source>
        <translation>ist größer als %1 KiB und kann daher keine Einstellungen sein; es gelten die Standardwerte</translation>
    </message>
    <message>
        <source>%1: there is no such option; it is left out</source>
        <translation>%1: Diese Option gibt es nicht; sie wird übergangen</translation>
    </message>
    <message>
        <source>%1: %2; using the default %3</source>
        <translation>%1: %2; es gilt der Standardwert %3</translation>
    </message>
    <message>
        <source>some of it is not settings (lines of name=value); that part is left out</source>
        <translation>ein Teil davon sind keine Einstellungen (Zeilen der Form Name=Wert); dieser Teil wird übergangen</translation>
    </message>
    <message>
        <source>%1; using scan-method=auto</source>
        <translation>%1; es gilt scan-method=auto</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>Zeilen %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>nothing to play: press the switch to draw a card</source>
        <translation>keine passende Karte: drück den Taster, um eine Karte zu ziehen</translation>
    </message>
    <message>
        <source>you draw %1</source>
        <translation>du ziehst %1</translation>
    </message>
    <message>
        <source>the computer draws a card</source>
        <translation>der Computer zieht eine Karte</translation>
    </message>
    <message>
        <source>the computer plays %1 and names %2</source>
        <translation>der Computer spielt %1 und wünscht sich %2</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>der Computer spielt %1</translation>
    </message>
    <message>
        <source>name a suit: %1</source>
        <translation>Farbe wünschen: %1</translation>
    </message>
    <message>
        <source>the round is over: you have %1, the computer %2</source>
        <translation>die Runde ist vorbei: du hast %1, der Computer %2</translation>
    </message>
    <message>
        <source>you win the match</source>
        <translation>du gewinnst die Partie</translation>
    </message>
    <message>
        <source>the computer wins the match</source>
        <translation>der Computer gewinnt die Partie</translation>
    </message>
    <message>
        <source>the match is a tie</source>
        <translation>die Partie endet unentschieden</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>each offer now lasts %1 seconds</source>
        <translation>jetzt %1 Sekunden für jede Auswahl</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gewinnt die Partie</translation>
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
        <translation>%1-Taste %2</translation>
    </message>
    <message>
        <source>%1, switch %2</source>
        <translation>%1, Taster %2</translation>
    </message>
    <message>
        <source>%1, held %2</source>
        <translation>%1, %2 gehalten</translation>
    </message>
    <message>
        <source>%1, %2 since the last</source>
        <translation>%1, %2 nach dem letzten</translation>
    </message>
    <message>
        <source>%1, the first</source>
        <translation>%1, der erste</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Press the player&apos;s switch</source>
        <translation>Drücken Sie den Taster des Spielers</translation>
    </message>
    <message>
        <source>Keys and clicks here, and any joystick button, are shown as the game would take them under the debounce and acceptance set below. Tab leaves this panel.</source>
        <translation>Tastendrücke und Klicks hier sowie jede Joystick-Taste werden so angezeigt, wie das Spiel sie mit der unten eingestellten Entprellung und Akzeptanzzeit werten würde. Tab verlässt diesen Bereich.</translation>
    </message>
    <message>
        <source>Presses seen</source>
        <translation>Erkannte Tastendrücke</translation>
    </message>
    <message>
        <source>After %1 presses a debounce is suggested from the bounces seen.</source>
        <translation>Nach %1 Tastendrücken wird anhand des erkannten Prellens eine Entprellzeit vorgeschlagen.</translation>
    </message>
    <message>
        <source>Use this debounce</source>
        <translation>Diese Entprellzeit übernehmen</translation>
    </message>
    <message>
        <source>No bounces in %1 presses: no debounce is needed.</source>
        <translation>Kein Prellen bei %1 Tastendrücken: keine Entprellung nötig.</translation>
    </message>
    <message>
        <source>Bounces up to %1 in %2 presses: a debounce of %3 ms is suggested.</source>
        <translation>Prellen bis zu %1 bei %2 Tastendrücken: vorgeschlagen wird eine Entprellzeit von %3 ms.</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>counted</source>
        <translation>gezählt</translation>
    </message>
    <message>
        <source>ignored: within debounce</source>
        <translation>ignoriert: innerhalb der Entprellzeit</translation>
    </message>
    <message>
        <source>ignored: released after %1 ms, acceptance %2 ms</source>
        <translation>ignoriert: nach %1 ms losgelassen, Akzeptanzzeit %2 ms</translation>
    </message>
    <message>
        <source>ignored: the switch was already down</source>
        <translation>ignoriert: der Taster war schon gedrückt</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>nicht gezählt</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Round: %1 of 5</source>
        <translation>Runde: %1 von 5</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player Wins!</source>
        <translation>Spieler siegt!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>Computer siegt!</translation>
    </message>
    <message>
        <source>Tie Game!</source>
        <translation>Unentschieden!</translation>
    </message>
    <message>
        <source>[Press any key to start]</source>
        <translation>[Drück eine beliebige Taste zum Starten]</translation>
    </message>
    <message>
        <source>A game of eights for players who use one switch</source>
        <translation>Ein Kartenspiel mit wilden Achten für alle, die mit einem Taster spielen</translation>
    </message>
    <message>
        <source>Any key that types a character, a click or a controller button is the switch</source>
        <translation>Taster ist jede Zeichentaste, jeder Klick und jede Controller-Taste</translation>
    </message>
    <message>
        <source>To set it up for a player: wildcrest --settings</source>
        <translation>Zum Einrichten für einen Spieler: wildcrest --settings</translation>
    </message>
    <message>
        <source>Esc ends the game at any time</source>
        <translation>Esc beendet das Spiel jederzeit</translation>
    </message>
    <message>
        <source>one switch, every card</source>
        <translation>ein Taster, jede Karte</translation>
    </message>
    <message numerus="yes">
        <source>%n card</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Dein Blatt</translation>
    </message>
    <message>
        <source>Computer&apos;s hand</source>
        <translation>Blatt des Computers</translation>
    </message>
    <message>
        <source>%1, empty place</source>
        <translation>%1, leerer Platz</translation>
    </message>
    <message>
        <source>%1, card %2 of %3</source>
        <translation>%1, Karte %2 von %3</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Dein Blatt: %1</translation>
    </message>
    <message>
        <source>Computer&apos;s hand: %1</source>
        <translation>Blatt des Computers: %1</translation>
    </message>
    <message>
        <source>Pile: empty</source>
        <translation>Ablagestapel: leer</translation>
    </message>
    <message>
        <source>Pile: eight, %1 named</source>
        <translation>Ablagestapel: Acht, %1 gewünscht</translation>
    </message>
    <message>
        <source>Pile: %1</source>
        <translation>Ablagestapel: %1</translation>
    </message>
    <message>
        <source>Deck: %1</source>
        <translation>Nachziehstapel: %1</translation>
    </message>
    <message>
        <source>Card on its way</source>
        <translation>Karte unterwegs</translation>
    </message>
    <message>
        <source>%1, to play</source>
        <translation>%1, am Zug</translation>
    </message>
    <message>
        <source>Player %1, Computer %2</source>
        <translation>Spieler %1, Computer %2</translation>
    </message>
    <message>
        <source>Computer %1, Player %2</source>
        <translation>Computer %1, Spieler %2</translation>
    </message>
    <message>
        <source>The Wildcrest crest</source>
        <translation>Das Wildcrest-Wappen</translation>
    </message>
    <message>
        <source>One switch. Every card.</source>
        <translation>Ein Taster. Jede Karte.</translation>
    </message>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 siegt!</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <source>%1&apos;s hand</source>
        <translation>Blatt von %1</translation>
    </message>
    <message>
        <source>%1&apos;s hand: %2</source>
        <translation>Blatt von %1: %2</translation>
    </message>
    <message>
        <source>%1, card %2 of %3</source>
        <comment>the card&apos;s name first</comment>
        <translation>%1, Karte %2 von %3</translation>
    </message>
    <message>
        <source>%1, card %2 of %3, %4</source>
        <translation>%1, Karte %2 von %3, %4</translation>
    </message>
    <message>
        <source>%1, name a suit</source>
        <translation>%1, Farbe wünschen</translation>
    </message>
    <message>
        <source>%1, menu</source>
        <translation>%1, Menü</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>you</source>
        <translation>du</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Go on with the match: round %1 of 5, %2 %3, %4 %5</source>
        <translation>Die Partie fortsetzen: Runde %1 von 5, %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>The saved match %1 could not be played and is put aside. [Press any key to start]</source>
        <translation>Die gespeicherte Partie %1 konnte nicht gespielt werden und wurde beiseitegelegt. [Drück eine beliebige Taste zum Starten]</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Neue Partie</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Options (also read from %1,
where the command line wins):</source>
        <translation>Optionen (werden auch aus %1 gelesen,
wobei die Befehlszeile Vorrang hat):</translation>
    </message>
    <message>
        <source>%1 (default %2)</source>
        <translation>%1 (Standard: %2)</translation>
    </message>
    <message>
        <source>open the settings dialog, which writes that file</source>
        <translation>öffnet den Einstellungsdialog, der diese Datei schreibt</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>zeigt diesen Text an</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>zeigt die Version an</translation>
    </message>
    <message>
        <source>play with the settings of the player NAME, kept in players/NAME.conf beside that file; with --settings, edit them</source>
        <translation>spielt mit den Einstellungen des Spielers NAME, gespeichert in players/NAME.conf neben dieser Datei; mit --settings werden sie bearbeitet</translation>
    </message>
    <message>
        <source>Usage: wildcrest [--player=NAME] [--OPTION=VALUE]...
       wildcrest --settings | --help | --version
       wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record

A card game played with one switch: each choice is offered in turn and one
press of any key, a click or any joystick button takes it. Esc ends the game.
</source>
        <translation>Aufruf: wildcrest [--player=NAME] [--OPTION=VALUE]...
        wildcrest --settings | --help | --version
        wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record

Ein Kartenspiel, das mit einem einzigen Taster gespielt wird: Jede Wahl wird
der Reihe nach angeboten, und ein Druck auf eine beliebige Taste, ein Klick
oder eine beliebige Joystick-Taste wählt sie. Esc beendet das Spiel.
</translation>
    </message>
    <message>
        <source>open the report on the player&apos;s record of switch use (kept with record=on)</source>
        <translation>öffnet den Bericht über die Aufzeichnung der Tasternutzung des Spielers (mit record=on aufgezeichnet)</translation>
    </message>
    <message>
        <source>write the player&apos;s record to FILE.csv, one line for each press and offer</source>
        <translation>schreibt die Aufzeichnung des Spielers in FILE.csv, eine Zeile je Druck und Angebot</translation>
    </message>
    <message>
        <source>delete the player&apos;s record from this computer</source>
        <translation>löscht die Aufzeichnung des Spielers von diesem Computer</translation>
    </message>
    <message>
        <source>start a new match, whatever match was saved at the last stop</source>
        <translation>beginnt eine neue Partie, gleich welche Partie beim letzten Mal gespeichert wurde</translation>
    </message>
</context>
</TS>
