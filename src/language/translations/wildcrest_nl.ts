<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Cards</name>
    <message>
        <source>ace of %1</source>
        <translation>%1aas</translation>
    </message>
    <message>
        <source>two of %1</source>
        <translation>%1twee</translation>
    </message>
    <message>
        <source>three of %1</source>
        <translation>%1drie</translation>
    </message>
    <message>
        <source>four of %1</source>
        <translation>%1vier</translation>
    </message>
    <message>
        <source>five of %1</source>
        <translation>%1vijf</translation>
    </message>
    <message>
        <source>six of %1</source>
        <translation>%1zes</translation>
    </message>
    <message>
        <source>seven of %1</source>
        <translation>%1zeven</translation>
    </message>
    <message>
        <source>eight of %1</source>
        <translation>%1acht</translation>
    </message>
    <message>
        <source>nine of %1</source>
        <translation>%1negen</translation>
    </message>
    <message>
        <source>ten of %1</source>
        <translation>%1tien</translation>
    </message>
    <message>
        <source>jack of %1</source>
        <translation>%1boer</translation>
    </message>
    <message>
        <source>queen of %1</source>
        <translation>%1vrouw</translation>
    </message>
    <message>
        <source>king of %1</source>
        <translation>%1heer</translation>
    </message>
    <message>
        <source>the ace of %1</source>
        <translation>de %1aas</translation>
    </message>
    <message>
        <source>the two of %1</source>
        <translation>de %1twee</translation>
    </message>
    <message>
        <source>the three of %1</source>
        <translation>de %1drie</translation>
    </message>
    <message>
        <source>the four of %1</source>
        <translation>de %1vier</translation>
    </message>
    <message>
        <source>the five of %1</source>
        <translation>de %1vijf</translation>
    </message>
    <message>
        <source>the six of %1</source>
        <translation>de %1zes</translation>
    </message>
    <message>
        <source>the seven of %1</source>
        <translation>de %1zeven</translation>
    </message>
    <message>
        <source>the eight of %1</source>
        <translation>de %1acht</translation>
    </message>
    <message>
        <source>the nine of %1</source>
        <translation>de %1negen</translation>
    </message>
    <message>
        <source>the ten of %1</source>
        <translation>de %1tien</translation>
    </message>
    <message>
        <source>the jack of %1</source>
        <translation>de %1boer</translation>
    </message>
    <message>
        <source>the queen of %1</source>
        <translation>de %1vrouw</translation>
    </message>
    <message>
        <source>the king of %1</source>
        <translation>de %1heer</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruiten</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Back to the game</source>
        <translation>Terug naar het spel</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langzamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Sneller</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nieuwe partij</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Spel beëindigen</translation>
    </message>
    <message>
        <source>End the game?</source>
        <translation>Spel beëindigen?</translation>
    </message>
    <message>
        <source>No, back to the game</source>
        <translation>Nee, terug naar het spel</translation>
    </message>
    <message>
        <source>Yes, end the game</source>
        <translation>Ja, spel beëindigen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>scale %1 does not fit this screen (%2 × %3 available); playing at %4</source>
        <translation>grootte %1 past niet op dit scherm (%2 × %3 beschikbaar); er wordt gespeeld op grootte %4</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>You drew a card</source>
        <translation>Je hebt een kaart gepakt</translation>
    </message>
    <message>
        <source>%1 drew a card</source>
        <translation>%1 heeft een kaart gepakt</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Je hebt %1 gespeeld</translation>
    </message>
    <message>
        <source>%1 played %2</source>
        <translation>%1 heeft %2 gespeeld</translation>
    </message>
    <message>
        <source>You played %1 and named %2</source>
        <translation>Je hebt %1 gespeeld en %2 gekozen</translation>
    </message>
    <message>
        <source>%1 played %2 and named %3</source>
        <translation>%1 heeft %2 gespeeld en %3 gekozen</translation>
    </message>
    <message>
        <source>Round %1: %2 %3, %4 %5</source>
        <translation>Ronde %1: %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>you</source>
        <translation>jij</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>Round %1 of 5 is dealt: the pile shows %2</source>
        <translation>Ronde %1 van 5 is gedeeld: op de aflegstapel ligt %2</translation>
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
        <translation>hoe lang elke kaart en kleur wordt aangeboden, 0.5 tot 10 seconden; auto leert het uit hoe de speler drukt</translation>
    </message>
    <message>
        <source>a left click anywhere on the window is the switch too</source>
        <translation>een linkerklik ergens in het venster werkt ook als schakelaar</translation>
    </message>
    <message>
        <source>any button of any joystick or gamepad is the switch too</source>
        <translation>elke knop van elke joystick of gamepad werkt ook als schakelaar</translation>
    </message>
    <message>
        <source>a second switch: Return or Enter, the right button, joystick button N (0 to 31), or the key Qt names NAME (key:F8)</source>
        <translation>een tweede schakelaar: Return of Enter, de rechtermuisknop, joystickknop N (0 tot 31), of de toets die Qt NAME noemt (key:F8)</translation>
    </message>
    <message>
        <source>presses that follow the last one within this time are ignored, 0 to 2000</source>
        <translation>drukken die binnen deze tijd na de vorige komen, worden genegeerd, 0 tot 2000</translation>
    </message>
    <message>
        <source>a press counts only once the switch is held this long, 0 to 2000</source>
        <translation>een druk telt pas als de schakelaar zo lang wordt ingedrukt, 0 tot 2000</translation>
    </message>
    <message>
        <source>the first offer of a turn and of a suit choice lasts twice the scan time</source>
        <translation>de eerste keuze van een beurt en van een kleurkeuze duurt twee keer de scantijd</translation>
    </message>
    <message>
        <source>how the offered card is marked: lifted, or lifted and framed</source>
        <translation>hoe de aangeboden kaart wordt gemarkeerd: opgetild, of opgetild en omkaderd</translation>
    </message>
    <message>
        <source>a short sound at each new offer</source>
        <translation>een kort geluid bij elke nieuwe keuze</translation>
    </message>
    <message>
        <source>offered cards and suits, the computer&apos;s plays and the results are spoken</source>
        <translation>aangeboden kaarten en kleuren, de zetten van de computer en de uitslagen worden uitgesproken</translation>
    </message>
    <message>
        <source>the whole table drawn this many times larger; fit: the largest that fits the screen</source>
        <translation>de hele tafel zoveel keer groter getekend; fit: zo groot als op het scherm past</translation>
    </message>
    <message>
        <source>large-index: a big rank and suit in the corners of every card</source>
        <translation>large-index: een grote waarde en kleur in de hoeken van elke kaart</translation>
    </message>
    <message>
        <source>spades black, hearts red, diamonds blue and clubs green</source>
        <translation>schoppen zwart, harten rood, ruiten blauw en klaveren groen</translation>
    </message>
    <message>
        <source>high: a dark table, light text, marked name plates and the strongest offer frame</source>
        <translation>high: een donkere tafel, lichte tekst, gemarkeerde naambordjes en het sterkste kader om de keuze</translation>
    </message>
    <message>
        <source>auto: each card offered in turn</source>
        <translation>auto: elke kaart om de beurt aangeboden</translation>
    </message>
    <message>
        <source>step: switch 1 moves, the second switch takes</source>
        <translation>step: schakelaar 1 gaat verder, de tweede schakelaar kiest</translation>
    </message>
    <message>
        <source>step-dwell: each press moves, a card left for the scan time is taken</source>
        <translation>step-dwell: elke druk gaat verder, een kaart waarop je de scantijd blijft staan wordt gekozen</translation>
    </message>
    <message>
        <source>inverse: hold to move, let go to take</source>
        <translation>inverse: vasthouden om verder te gaan, loslaten om te kiezen</translation>
    </message>
    <message>
        <source>after this many passes with no press the scan rests until the next press; 0 never</source>
        <translation>na zoveel scanrondes zonder druk rust het scannen tot de volgende druk; 0 nooit</translation>
    </message>
    <message>
        <source>a plain line on the table says what a press will do when nothing is offered</source>
        <translation>een gewone regel op de tafel zegt wat een druk doet als er niets wordt aangeboden</translation>
    </message>
    <message>
        <source>long-press: holding the switch opens a menu to pause, change the speed, start a new match or end the game</source>
        <translation>long-press: de schakelaar vasthouden opent een menu om te pauzeren, de snelheid te veranderen, een nieuwe partij te beginnen of het spel te beëindigen</translation>
    </message>
    <message>
        <source>how long the switch is held to open the menu, 1.5 to 10 seconds</source>
        <translation>hoe lang de schakelaar wordt vastgehouden om het menu te openen, 1.5 tot 10 seconden</translation>
    </message>
    <message>
        <source>the language of the table, the speech and the settings; auto: the desktop&apos;s, or English</source>
        <translation>de taal van de tafel, de spraak en de instellingen; auto: die van het systeem, of Engels</translation>
    </message>
    <message>
        <source>two-step: a first press stops on the card and says it, a second within the scan time takes it</source>
        <translation>two-step: een eerste druk stopt bij de kaart en noemt haar, een tweede binnen de scantijd kiest haar</translation>
    </message>
    <message>
        <source>how the computer plays: gentle for a beginner, standard, or clever</source>
        <translation>hoe de computer speelt: gentle voor beginners, standard of clever</translation>
    </message>
    <message>
        <source>this player&apos;s own switch when two play at one computer: any input another player does not name, the key Qt names NAME, joystick button N (0 to 31), or the right button</source>
        <translation>de eigen schakelaar van deze speler als twee spelers aan één computer spelen: elke invoer die de andere speler niet noemt, de toets die Qt NAME noemt, joystickknop N (0 tot 31), of de rechtermuisknop</translation>
    </message>
    <message>
        <source>who plays the top hand: the computer, or the player NAME with the settings of their own file</source>
        <translation>wie de bovenste hand speelt: de computer (computer) of de speler NAME, met de instellingen uit diens eigen bestand</translation>
    </message>
    <message>
        <source>with two players: handover shows the backs of both hands between turns; open keeps both face up</source>
        <translation>met twee spelers: handover toont tussen de beurten de achterkant van beide handen; open houdt beide open</translation>
    </message>
    <message>
        <source>a line on the table says what just happened</source>
        <translation>een regel op tafel zegt wat er net gebeurde</translation>
    </message>
    <message>
        <source>every press and offer is kept on this computer, for the therapist&apos;s report (wildcrest --record)</source>
        <translation>elke druk en elk aanbod wordt op deze computer bewaard, voor het verslag van de therapeut (wildcrest --record)</translation>
    </message>
    <message>
        <source>when the presses show the player tiring, a rest is offered until the next press</source>
        <translation>als de drukken laten zien dat de speler moe wordt, wordt tot de volgende druk een pauze aangeboden</translation>
    </message>
    <message>
        <source>a match left unfinished is saved after every turn; at the next start: ask on the title, always go on with it, or never</source>
        <translation>een niet afgemaakte partij wordt na elke beurt bewaard; bij de volgende start: op het titelscherm vragen, altijd verdergaan of nooit</translation>
    </message>
    <message>
        <source>with speech, an offer&apos;s time starts only once its name has been spoken to the end</source>
        <translation>met spraak begint de tijd van een aanbod pas als de naam helemaal is uitgesproken</translation>
    </message>
    <message>
        <source>bar: a bar under the card, suit or menu item on offer empties over the time it is offered</source>
        <translation>bar: een balk onder de aangeboden kaart, kleur of menuregel loopt leeg in de tijd van het aanbod</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Press to see your cards again</source>
        <translation>Druk om je kaarten weer te zien</translation>
    </message>
    <message>
        <source>Press to draw a card</source>
        <translation>Druk om een kaart te pakken</translation>
    </message>
    <message>
        <source>Press for the next round</source>
        <translation>Druk voor de volgende ronde</translation>
    </message>
    <message>
        <source>Press for a new match</source>
        <translation>Druk voor een nieuwe partij</translation>
    </message>
    <message>
        <source>%1&apos;s turn: press when ready</source>
        <translation>%1 is aan de beurt: druk als je klaar bent</translation>
    </message>
    <message>
        <source>Take a rest? Press to go on</source>
        <translation>Even rusten? Druk om verder te gaan</translation>
    </message>
</context>
<context>
    <name>RecordReport</name>
    <message>
        <source>Wildcrest: record of switch use</source>
        <translation>Wildcrest: vastlegging van het schakelaargebruik</translation>
    </message>
    <message>
        <source>Reaction time per session: mean and ±1 SD</source>
        <translation>Reactietijd per sessie: gemiddelde en ±1 SD</translation>
    </message>
    <message>
        <source>Coefficient of variation per session</source>
        <translation>Variatiecoëfficiënt per sessie</translation>
    </message>
    <message>
        <source>Late presses, passes with no press, ignored presses</source>
        <translation>Late drukken, rondes zonder druk, genegeerde drukken</translation>
    </message>
    <message>
        <source>Fatigue curve: rolling median reaction in the session</source>
        <translation>Vermoeidheidscurve: voortschrijdende mediaan van de reactie in de sessie</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Speler:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>&amp;Session:</source>
        <translation>S&amp;essie:</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>&amp;CSV exporteren…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Opslaan als P&amp;DF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>±1 SD</source>
        <translation>±1 SD</translation>
    </message>
    <message>
        <source>Mean reaction (ms)</source>
        <translation>Gemiddelde reactie (ms)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>SD / mean</source>
        <translation>SD / gemiddelde</translation>
    </message>
    <message>
        <source>Coefficient of variation</source>
        <translation>Variatiecoëfficiënt</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Laat</translation>
    </message>
    <message>
        <source>Passes with no press</source>
        <translation>Rondes zonder druk</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Genegeerd</translation>
    </message>
    <message>
        <source>%1 % of right selections</source>
        <translation>%1 % van de juiste keuzes</translation>
    </message>
    <message>
        <source>% of right selections</source>
        <translation>% van de juiste keuzes</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Suggested scan time: %1 s (mean reaction / %2, from %3 presses); in force: %4</source>
        <translation>Voorgestelde scantijd: %1 s (gemiddelde reactie / %2, uit %3 drukken); ingesteld: %4</translation>
    </message>
    <message>
        <source>Suggested scan time: none yet (no offer taken in time by a press); in force: %1</source>
        <translation>Voorgestelde scantijd: nog geen (geen aanbod op tijd met een druk gekozen); ingesteld: %1</translation>
    </message>
    <message>
        <source>%1, from %2 to %3: sessions %4; presses taken in time %5</source>
        <translation>%1, van %2 tot %3: sessies %4; op tijd gekozen drukken %5</translation>
    </message>
    <message>
        <source>Rolling median of 10 (ms)</source>
        <translation>Voortschrijdende mediaan van 10 (ms)</translation>
    </message>
    <message>
        <source>Minutes into the session</source>
        <translation>Minuten sinds het begin van de sessie</translation>
    </message>
    <message>
        <source>Export the record as CSV</source>
        <translation>De vastlegging als CSV exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Het verslag als PDF opslaan</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan %1 niet schrijven</translation>
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
        <translation>Leren uit hoe de speler drukt</translation>
    </message>
    <message>
        <source>A left click is the switch</source>
        <translation>Een linkerklik werkt als schakelaar</translation>
    </message>
    <message>
        <source>Any joystick or gamepad button is the switch</source>
        <translation>Elke knop van een joystick of gamepad werkt als schakelaar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Return or Enter</source>
        <translation>Return of Enter</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Rechterklik</translation>
    </message>
    <message>
        <source>Joystick button</source>
        <translation>Joystickknop</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Toets</translation>
    </message>
    <message>
        <source>Joystick button number</source>
        <translation>Nummer van de joystickknop</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Naam van de toets</translation>
    </message>
    <message>
        <source>Twice as long</source>
        <translation>Twee keer zo lang</translation>
    </message>
    <message>
        <source>Lifted</source>
        <translation>Opgetild</translation>
    </message>
    <message>
        <source>Lifted and framed</source>
        <translation>Opgetild en omkaderd</translation>
    </message>
    <message>
        <source>A short sound</source>
        <translation>Een kort geluid</translation>
    </message>
    <message>
        <source>Speak offers, plays and results</source>
        <translation>Keuzes, zetten en uitslagen uitspreken</translation>
    </message>
    <message>
        <source>As large as the screen allows</source>
        <translation>Zo groot als het scherm toelaat</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Large rank and suit in the corners</source>
        <translation>Grote waarde en kleur in de hoeken</translation>
    </message>
    <message>
        <source>Four colours: diamonds blue, clubs green</source>
        <translation>Vier kleuren: ruiten blauw, klaveren groen</translation>
    </message>
    <message>
        <source>High: dark table, light text</source>
        <translation>Hoog: donkere tafel, lichte tekst</translation>
    </message>
    <message>
        <source>Each card in turn (auto)</source>
        <translation>Elke kaart om de beurt (auto)</translation>
    </message>
    <message>
        <source>Switch 1 moves, switch 2 takes (step)</source>
        <translation>Schakelaar 1 gaat verder, schakelaar 2 kiest (step)</translation>
    </message>
    <message>
        <source>Each press moves, waiting takes (step-dwell)</source>
        <translation>Elke druk gaat verder, wachten kiest (step-dwell)</translation>
    </message>
    <message>
        <source>Hold to move, let go to take (inverse)</source>
        <translation>Vasthouden gaat verder, loslaten kiest (inverse)</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Eindeloos</translation>
    </message>
    <message>
        <source> passes</source>
        <translation> rondes</translation>
    </message>
    <message>
        <source>Say what a press will do</source>
        <translation>Laten zien wat een druk doet</translation>
    </message>
    <message>
        <source>A long press opens the menu</source>
        <translation>Lang drukken opent het menu</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>De taal van het systeem</translation>
    </message>
    <message>
        <source>&amp;Scan time:</source>
        <translation>&amp;Scantijd:</translation>
    </message>
    <message>
        <source>&amp;Mouse:</source>
        <translation>&amp;Muis:</translation>
    </message>
    <message>
        <source>&amp;Joystick:</source>
        <translation>&amp;Joystick:</translation>
    </message>
    <message>
        <source>Second s&amp;witch:</source>
        <translation>T&amp;weede schakelaar:</translation>
    </message>
    <message>
        <source>&amp;Debounce:</source>
        <translation>&amp;Negeertijd:</translation>
    </message>
    <message>
        <source>&amp;Acceptance time:</source>
        <translation>&amp;Acceptatietijd:</translation>
    </message>
    <message>
        <source>&amp;First offer:</source>
        <translation>&amp;Eerste keuze:</translation>
    </message>
    <message>
        <source>&amp;Highlight:</source>
        <translation>Marker&amp;ing:</translation>
    </message>
    <message>
        <source>S&amp;ound at each offer:</source>
        <translation>&amp;Geluid bij elke keuze:</translation>
    </message>
    <message>
        <source>S&amp;peech:</source>
        <translation>S&amp;praak:</translation>
    </message>
    <message>
        <source>S&amp;canning:</source>
        <translation>Scanmet&amp;hode:</translation>
    </message>
    <message>
        <source>Scan &amp;loops:</source>
        <translation>Scan&amp;rondes:</translation>
    </message>
    <message>
        <source>P&amp;rompts:</source>
        <translation>Aanwij&amp;zingen:</translation>
    </message>
    <message>
        <source>Switch m&amp;enu:</source>
        <translation>Schakelaarmen&amp;u:</translation>
    </message>
    <message>
        <source>Menu &amp;hold:</source>
        <translation>&amp;Vasthouden voor menu:</translation>
    </message>
    <message>
        <source>Table si&amp;ze:</source>
        <translation>Tafelgr&amp;ootte:</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Kaarten:</translation>
    </message>
    <message>
        <source>Co&amp;ntrast:</source>
        <translation>&amp;Contrast:</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <source>For the player, saved in %1. Options given on the command line win over these.</source>
        <translation>Voor de speler, opgeslagen in %1. Opties die op de opdrachtregel worden meegegeven, hebben voorrang op deze instellingen.</translation>
    </message>
    <message>
        <source>The settings file %1 was changed by something else while this dialog was open. Save again to replace it with the settings shown here, or Cancel to keep it as it is now.</source>
        <translation>Het instellingenbestand %1 is door iets anders gewijzigd terwijl dit venster open was. Kies opnieuw Opslaan om het te vervangen door de instellingen die hier staan, of Annuleren om het te laten zoals het nu is.</translation>
    </message>
    <message>
        <source>The second switch&apos;s key needs a name as Qt writes it, such as F8 or Tab.</source>
        <translation>De toets van de tweede schakelaar heeft een naam nodig zoals Qt die schrijft, bijvoorbeeld F8 of Tab.</translation>
    </message>
    <message>
        <source>Step scanning needs a second switch to take the card on offer: choose one, or another way of scanning.</source>
        <translation>Stapsgewijs scannen heeft een tweede schakelaar nodig om de aangeboden kaart te kiezen: kies er een, of kies een andere manier van scannen.</translation>
    </message>
    <message>
        <source>First press stops, second press takes (two-step)</source>
        <translation>Eerste druk stopt, tweede druk kiest (two-step)</translation>
    </message>
    <message>
        <source>On this screen: up to %1 ×</source>
        <translation>Op dit scherm: tot %1 ×</translation>
    </message>
    <message>
        <source>Gentle: easy to beat</source>
        <translation>Zacht: makkelijk te verslaan</translation>
    </message>
    <message>
        <source>Clever: plays well</source>
        <translation>Slim: speelt goed</translation>
    </message>
    <message>
        <source>Compu&amp;ter:</source>
        <translation>Compu&amp;ter:</translation>
    </message>
    <message>
        <source>Own sw&amp;itch:</source>
        <translation>E&amp;igen schakelaar:</translation>
    </message>
    <message>
        <source>Top hand played &amp;by:</source>
        <translation>Bovenste hand ges&amp;peeld door:</translation>
    </message>
    <message>
        <source>Handed over: both face down between turns</source>
        <translation>Overgeven: tussen de beurten beide gesloten</translation>
    </message>
    <message>
        <source>Open: both face up</source>
        <translation>Open: beide open</translation>
    </message>
    <message>
        <source>Hands between t&amp;urns:</source>
        <translation>Handen tussen de be&amp;urten:</translation>
    </message>
    <message>
        <source>Narration:</source>
        <translation>Verslag:</translation>
    </message>
    <message>
        <source>Say what just happened</source>
        <translation>Zeggen wat er net gebeurde</translation>
    </message>
    <message>
        <source>Any, less the other player&apos;s switch</source>
        <translation>Elke invoer behalve de schakelaar van de andere speler</translation>
    </message>
    <message>
        <source>The player&apos;s own switch needs a key name as Qt writes it, such as Space or F8.</source>
        <translation>De eigen schakelaar van de speler heeft een toetsnaam nodig zoals Qt die schrijft, bijvoorbeeld Space of F8.</translation>
    </message>
    <message>
        <source>(no name: the usual settings)</source>
        <translation>(zonder naam: de gewone instellingen)</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Hernoemen…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Verwijderen…</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>Spe&amp;ler:</translation>
    </message>
    <message>
        <source>Each player has settings of their own. Choosing a player shows theirs; Save writes them.</source>
        <translation>Elke speler heeft eigen instellingen. Een speler kiezen toont de zijne; Opslaan schrijft ze weg.</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Toevoegen…</translation>
    </message>
    <message>
        <source>There is a player %1 already: choose another name.</source>
        <translation>Er is al een speler %1: kies een andere naam.</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Speler toevoegen</translation>
    </message>
    <message>
        <source>The new player&apos;s name (they start from the usual defaults):</source>
        <translation>De naam van de nieuwe speler (die begint met de standaardinstellingen):</translation>
    </message>
    <message>
        <source>Rename a player</source>
        <translation>Speler hernoemen</translation>
    </message>
    <message>
        <source>The new name of %1:</source>
        <translation>De nieuwe naam van %1:</translation>
    </message>
    <message>
        <source>Delete the player %1 and their settings?</source>
        <translation>De speler %1 en zijn instellingen verwijderen?</translation>
    </message>
    <message>
        <source>Delete a player</source>
        <translation>Speler verwijderen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behouden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot be empty</source>
        <translation>de naam van een speler mag niet leeg zijn</translation>
    </message>
    <message>
        <source>a player&apos;s name is at most %1 characters, not &quot;%2&quot;</source>
        <translation>de naam van een speler heeft hoogstens %1 tekens, niet ‘%2’</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot have a slash, as &quot;%1&quot; has</source>
        <translation>de naam van een speler mag geen schuine streep bevatten, zoals ‘%1’</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot start with a dot or hold &quot;..&quot;, as &quot;%1&quot; does</source>
        <translation>de naam van een speler mag niet met een punt beginnen of ‘..’ bevatten, zoals ‘%1’</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot start or end with a space, as &quot;%1&quot; does</source>
        <translation>de naam van een speler mag niet met een spatie beginnen of eindigen, zoals ‘%1’</translation>
    </message>
    <message>
        <source>a player&apos;s name can only have printable characters</source>
        <translation>de naam van een speler mag alleen afdrukbare tekens bevatten</translation>
    </message>
    <message>
        <source>Wildcrest settings: %1</source>
        <translation>Wildcrest-instellingen: %1</translation>
    </message>
    <message>
        <source>The settings shown have changes that are not saved: keep editing them, save them, or discard them?</source>
        <translation>De getoonde instellingen hebben wijzigingen die niet zijn opgeslagen: verder bewerken, opslaan of weggooien?</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Verder bewerken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Weggooien</translation>
    </message>
    <message>
        <source>Some of %1 could not be taken; the fields show what the game plays with instead:</source>
        <translation>Een deel van %1 kon niet worden overgenomen; de velden tonen waarmee het spel in plaats daarvan speelt:</translation>
    </message>
    <message>
        <source>The computer</source>
        <translation>De computer</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Vastleggen:</translation>
    </message>
    <message>
        <source>Keep a record of switch use on this computer</source>
        <translation>Het gebruik van de schakelaar op deze computer vastleggen</translation>
    </message>
    <message>
        <source>Rest:</source>
        <translation>Rust:</translation>
    </message>
    <message>
        <source>Offer a rest when the player tires</source>
        <translation>Een pauze aanbieden als de speler moe wordt</translation>
    </message>
    <message>
        <source>Kept: every press of the switch and every offer, each with its time; the scores of the rounds; the settings in force. Where: %1. It stays on this computer and is never sent anywhere. It can be deleted at any time, here or with wildcrest --forget-record.</source>
        <translation>Bewaard: elke druk op de schakelaar en elk aanbod, elk met zijn tijd; de scores van de rondes; de instellingen die gelden. Waar: %1. Het blijft op deze computer en wordt nooit ergens heen gestuurd. Het kan altijd worden verwijderd, hier of met wildcrest --forget-record.</translation>
    </message>
    <message>
        <source>Delete this player&apos;s record…</source>
        <translation>De vastlegging van deze speler verwijderen…</translation>
    </message>
    <message>
        <source>Delete a record</source>
        <translation>Een vastlegging verwijderen</translation>
    </message>
    <message>
        <source>Delete the record of switch use of %1 from this computer? It cannot be brought back.</source>
        <translation>De vastlegging van het schakelaargebruik van %1 van deze computer verwijderen? Ze kan niet worden teruggehaald.</translation>
    </message>
    <message>
        <source>&amp;View the record…</source>
        <translation>Vastlegging &amp;bekijken…</translation>
    </message>
    <message>
        <source>Ask on the title</source>
        <translation>Op het titelscherm vragen</translation>
    </message>
    <message>
        <source>Always go on with it</source>
        <translation>Altijd verdergaan</translation>
    </message>
    <message>
        <source>Never: a new match each time</source>
        <translation>Nooit: elke keer een nieuwe partij</translation>
    </message>
    <message>
        <source>Unfinished match:</source>
        <translation>Niet afgemaakte partij:</translation>
    </message>
    <message>
        <source>Speech pacing:</source>
        <translation>Spraaktempo:</translation>
    </message>
    <message>
        <source>Wait for each name to be spoken</source>
        <translation>Wachten tot elke naam is uitgesproken</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Niet getoond</translation>
    </message>
    <message>
        <source>A bar under the offer that empties</source>
        <translation>Een balk onder het aanbod die leegloopt</translation>
    </message>
    <message>
        <source>Time left:</source>
        <translation>Resterende tijd:</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>cannot be read as a file; using the defaults</source>
        <translation>kan niet als bestand worden gelezen; de standaardwaarden worden gebruikt</translation>
    </message>
    <message>
        <source>is larger than %1 KiB, so it cannot be settings; using the defaults</source>
        <translation>is groter dan %1 KiB en kan dus geen instellingen zijn; de standaardwaarden worden gebruikt</translation>
    </message>
    <message>
        <source>%1: there is no such option; it is left out</source>
        <translation>%1: deze optie bestaat niet; ze wordt overgeslagen</translation>
    </message>
    <message>
        <source>%1: %2; using the default %3</source>
        <translation>%1: %2; de standaardwaarde %3 wordt gebruikt</translation>
    </message>
    <message>
        <source>some of it is not settings (lines of name=value); that part is left out</source>
        <translation>een deel ervan zijn geen instellingen (regels naam=waarde); dat deel wordt overgeslagen</translation>
    </message>
    <message>
        <source>%1; using scan-method=auto</source>
        <translation>%1; scan-method=auto wordt gebruikt</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>regels %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>nothing to play: press the switch to draw a card</source>
        <translation>je kunt niets spelen: druk op de schakelaar om een kaart te pakken</translation>
    </message>
    <message>
        <source>you draw %1</source>
        <translation>je pakt %1</translation>
    </message>
    <message>
        <source>the computer draws a card</source>
        <translation>de computer pakt een kaart</translation>
    </message>
    <message>
        <source>the computer plays %1 and names %2</source>
        <translation>de computer speelt %1 en kiest %2</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>de computer speelt %1</translation>
    </message>
    <message>
        <source>name a suit: %1</source>
        <translation>kies een kleur: %1</translation>
    </message>
    <message>
        <source>the round is over: you have %1, the computer %2</source>
        <translation>de ronde is voorbij: jij hebt %1, de computer %2</translation>
    </message>
    <message>
        <source>you win the match</source>
        <translation>je wint de partij</translation>
    </message>
    <message>
        <source>the computer wins the match</source>
        <translation>de computer wint de partij</translation>
    </message>
    <message>
        <source>the match is a tie</source>
        <translation>de partij eindigt gelijk</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menu</translation>
    </message>
    <message>
        <source>each offer now lasts %1 seconds</source>
        <translation>elke keuze duurt nu %1 seconden</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 wint de partij</translation>
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
        <translation>%1knop %2</translation>
    </message>
    <message>
        <source>%1, switch %2</source>
        <translation>%1, schakelaar %2</translation>
    </message>
    <message>
        <source>%1, held %2</source>
        <translation>%1, %2 ingedrukt</translation>
    </message>
    <message>
        <source>%1, %2 since the last</source>
        <translation>%1, %2 na de vorige</translation>
    </message>
    <message>
        <source>%1, the first</source>
        <translation>%1, de eerste</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Press the player&apos;s switch</source>
        <translation>Druk op de schakelaar van de speler</translation>
    </message>
    <message>
        <source>Keys and clicks here, and any joystick button, are shown as the game would take them under the debounce and acceptance set below. Tab leaves this panel.</source>
        <translation>Toetsen en klikken hier, en elke joystickknop, worden getoond zoals het spel ze zou opvatten met de negeertijd en acceptatietijd die hieronder zijn ingesteld. Tab verlaat dit paneel.</translation>
    </message>
    <message>
        <source>Presses seen</source>
        <translation>Waargenomen drukken</translation>
    </message>
    <message>
        <source>After %1 presses a debounce is suggested from the bounces seen.</source>
        <translation>Na %1 keer drukken wordt op basis van het gemeten stuiteren een negeertijd aangeraden.</translation>
    </message>
    <message>
        <source>Use this debounce</source>
        <translation>Deze negeertijd gebruiken</translation>
    </message>
    <message>
        <source>No bounces in %1 presses: no debounce is needed.</source>
        <translation>Geen stuiteren bij %1 keer drukken: een negeertijd is niet nodig.</translation>
    </message>
    <message>
        <source>Bounces up to %1 in %2 presses: a debounce of %3 ms is suggested.</source>
        <translation>Stuiteren tot %1 bij %2 keer drukken: een negeertijd van %3 ms wordt aangeraden.</translation>
    </message>
    <message>
        <source>key</source>
        <translation>toets</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>muis</translation>
    </message>
    <message>
        <source>joystick</source>
        <translation>joystick</translation>
    </message>
    <message>
        <source>counted</source>
        <translation>geteld</translation>
    </message>
    <message>
        <source>ignored: within debounce</source>
        <translation>genegeerd: binnen de negeertijd</translation>
    </message>
    <message>
        <source>ignored: released after %1 ms, acceptance %2 ms</source>
        <translation>genegeerd: losgelaten na %1 ms, acceptatietijd %2 ms</translation>
    </message>
    <message>
        <source>ignored: the switch was already down</source>
        <translation>genegeerd: de schakelaar was al ingedrukt</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>niet geteld</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Round: %1 of 5</source>
        <translation>Ronde: %1 van 5</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player Wins!</source>
        <translation>Speler wint!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>Computer wint!</translation>
    </message>
    <message>
        <source>Tie Game!</source>
        <translation>Gelijkspel!</translation>
    </message>
    <message>
        <source>[Press any key to start]</source>
        <translation>[Druk op een toets om te beginnen]</translation>
    </message>
    <message>
        <source>A game of eights for players who use one switch</source>
        <translation>Een kaartspel met wilde achten voor spelers die één schakelaar gebruiken</translation>
    </message>
    <message>
        <source>Any key that types a character, a click or a controller button is the switch</source>
        <translation>Elke toets die een teken typt, een klik of een controllerknop is de schakelaar</translation>
    </message>
    <message>
        <source>To set it up for a player: wildcrest --settings</source>
        <translation>Instellen voor een speler: wildcrest --settings</translation>
    </message>
    <message>
        <source>Esc ends the game at any time</source>
        <translation>Esc beëindigt het spel op elk moment</translation>
    </message>
    <message>
        <source>one switch, every card</source>
        <translation>één knop, elke kaart</translation>
    </message>
    <message numerus="yes">
        <source>%n card</source>
        <translation>
            <numerusform>%n kaart</numerusform>
            <numerusform>%n kaart</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n kaart</numerusform>
            <numerusform>%n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Jouw hand</translation>
    </message>
    <message>
        <source>Computer&apos;s hand</source>
        <translation>Hand van de computer</translation>
    </message>
    <message>
        <source>%1, empty place</source>
        <translation>%1, lege plaats</translation>
    </message>
    <message>
        <source>%1, card %2 of %3</source>
        <translation>%1, kaart %2 van %3</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Jouw hand: %1</translation>
    </message>
    <message>
        <source>Computer&apos;s hand: %1</source>
        <translation>Hand van de computer: %1</translation>
    </message>
    <message>
        <source>Pile: empty</source>
        <translation>Aflegstapel: leeg</translation>
    </message>
    <message>
        <source>Pile: eight, %1 named</source>
        <translation>Aflegstapel: acht, %1 gekozen</translation>
    </message>
    <message>
        <source>Pile: %1</source>
        <translation>Aflegstapel: %1</translation>
    </message>
    <message>
        <source>Deck: %1</source>
        <translation>Trekstapel: %1</translation>
    </message>
    <message>
        <source>Card on its way</source>
        <translation>Kaart onderweg</translation>
    </message>
    <message>
        <source>%1, to play</source>
        <translation>%1, aan de beurt</translation>
    </message>
    <message>
        <source>Player %1, Computer %2</source>
        <translation>Speler %1, Computer %2</translation>
    </message>
    <message>
        <source>Computer %1, Player %2</source>
        <translation>Computer %1, Speler %2</translation>
    </message>
    <message>
        <source>The Wildcrest crest</source>
        <translation>Het wapenschild van Wildcrest</translation>
    </message>
    <message>
        <source>One switch. Every card.</source>
        <translation>Eén knop. Elke kaart.</translation>
    </message>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 wint!</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <source>%1&apos;s hand</source>
        <translation>Hand van %1</translation>
    </message>
    <message>
        <source>%1&apos;s hand: %2</source>
        <translation>Hand van %1: %2</translation>
    </message>
    <message>
        <source>%1, card %2 of %3</source>
        <comment>the card&apos;s name first</comment>
        <translation>%1, kaart %2 van %3</translation>
    </message>
    <message>
        <source>%1, card %2 of %3, %4</source>
        <translation>%1, kaart %2 van %3, %4</translation>
    </message>
    <message>
        <source>%1, name a suit</source>
        <translation>%1, kies een kleur</translation>
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
        <translation>jij</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>Go on with the match: round %1 of 5, %2 %3, %4 %5</source>
        <translation>Verder met de partij: ronde %1 van 5, %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>The saved match %1 could not be played and is put aside. [Press any key to start]</source>
        <translation>De bewaarde partij %1 kon niet worden gespeeld en is apart gezet. [Druk op een toets om te beginnen]</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nieuwe partij</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Options (also read from %1,
where the command line wins):</source>
        <translation>Opties (ook gelezen uit %1,
waarbij de opdrachtregel voorrang heeft):</translation>
    </message>
    <message>
        <source>%1 (default %2)</source>
        <translation>%1 (standaard %2)</translation>
    </message>
    <message>
        <source>open the settings dialog, which writes that file</source>
        <translation>het instellingenvenster openen, dat dit bestand opslaat</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>deze tekst tonen</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>de versie tonen</translation>
    </message>
    <message>
        <source>play with the settings of the player NAME, kept in players/NAME.conf beside that file; with --settings, edit them</source>
        <translation>met de instellingen van speler NAME spelen, bewaard in players/NAME.conf naast dat bestand; met --settings ze bewerken</translation>
    </message>
    <message>
        <source>Usage: wildcrest [--player=NAME] [--OPTION=VALUE]...
       wildcrest --settings | --help | --version
       wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record

A card game played with one switch: each choice is offered in turn and one
press of any key, a click or any joystick button takes it. Esc ends the game.
</source>
        <translation>Gebruik: wildcrest [--player=NAME] [--OPTION=VALUE]...
         wildcrest --settings | --help | --version
         wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record

Een kaartspel dat je met één schakelaar speelt: elke keuze wordt om de beurt
aangeboden en één druk op een toets, een klik of een joystickknop kiest hem.
Esc beëindigt het spel.
</translation>
    </message>
    <message>
        <source>open the report on the player&apos;s record of switch use (kept with record=on)</source>
        <translation>opent het verslag over de vastlegging van het schakelaargebruik van de speler (bewaard met record=on)</translation>
    </message>
    <message>
        <source>write the player&apos;s record to FILE.csv, one line for each press and offer</source>
        <translation>schrijft de vastlegging van de speler naar FILE.csv, één regel per druk en aanbod</translation>
    </message>
    <message>
        <source>delete the player&apos;s record from this computer</source>
        <translation>verwijdert de vastlegging van de speler van deze computer</translation>
    </message>
    <message>
        <source>start a new match, whatever match was saved at the last stop</source>
        <translation>begint een nieuwe partij, welke partij er de vorige keer ook bewaard werd</translation>
    </message>
</context>
</TS>
