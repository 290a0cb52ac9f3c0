<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Cards</name>
    <message>
        <source>ace of %1</source>
        <translation>as de %1</translation>
    </message>
    <message>
        <source>two of %1</source>
        <translation>dos de %1</translation>
    </message>
    <message>
        <source>three of %1</source>
        <translation>tres de %1</translation>
    </message>
    <message>
        <source>four of %1</source>
        <translation>cuatro de %1</translation>
    </message>
    <message>
        <source>five of %1</source>
        <translation>cinco de %1</translation>
    </message>
    <message>
        <source>six of %1</source>
        <translation>seis de %1</translation>
    </message>
    <message>
        <source>seven of %1</source>
        <translation>siete de %1</translation>
    </message>
    <message>
        <source>eight of %1</source>
        <translation>ocho de %1</translation>
    </message>
    <message>
        <source>nine of %1</source>
        <translation>nueve de %1</translation>
    </message>
    <message>
        <source>ten of %1</source>
        <translation>diez de %1</translation>
    </message>
    <message>
        <source>jack of %1</source>
        <translation>jota de %1</translation>
    </message>
    <message>
        <source>queen of %1</source>
        <translation>reina de %1</translation>
    </message>
    <message>
        <source>king of %1</source>
        <translation>rey de %1</translation>
    </message>
    <message>
        <source>the ace of %1</source>
        <translation>el as de %1</translation>
    </message>
    <message>
        <source>the two of %1</source>
        <translation>el dos de %1</translation>
    </message>
    <message>
        <source>the three of %1</source>
        <translation>el tres de %1</translation>
    </message>
    <message>
        <source>the four of %1</source>
        <translation>el cuatro de %1</translation>
    </message>
    <message>
        <source>the five of %1</source>
        <translation>el cinco de %1</translation>
    </message>
    <message>
        <source>the six of %1</source>
        <translation>el seis de %1</translation>
    </message>
    <message>
        <source>the seven of %1</source>
        <translation>el siete de %1</translation>
    </message>
    <message>
        <source>the eight of %1</source>
        <translation>el ocho de %1</translation>
    </message>
    <message>
        <source>the nine of %1</source>
        <translation>el nueve de %1</translation>
    </message>
    <message>
        <source>the ten of %1</source>
        <translation>el diez de %1</translation>
    </message>
    <message>
        <source>the jack of %1</source>
        <translation>la jota de %1</translation>
    </message>
    <message>
        <source>the queen of %1</source>
        <translation>la reina de %1</translation>
    </message>
    <message>
        <source>the king of %1</source>
        <translation>el rey de %1</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Back to the game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>End the game?</source>
        <translation>¿Salir del juego?</translation>
    </message>
    <message>
        <source>No, back to the game</source>
        <translation>No, volver al juego</translation>
    </message>
    <message>
        <source>Yes, end the game</source>
        <translation>Sí, salir del juego</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>scale %1 does not fit this screen (%2 × %3 available); playing at %4</source>
        <translation>el tamaño %1 no cabe en esta pantalla (%2 × %3 disponibles); se juega con el tamaño %4</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>You drew a card</source>
        <translation>Has robado una carta</translation>
    </message>
    <message>
        <source>%1 drew a card</source>
        <translation>%1 ha robado una carta</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Has jugado %1</translation>
    </message>
    <message>
        <source>%1 played %2</source>
        <translation>%1 ha jugado %2</translation>
    </message>
    <message>
        <source>You played %1 and named %2</source>
        <translation>Has jugado %1 y elegido %2</translation>
    </message>
    <message>
        <source>%1 played %2 and named %3</source>
        <translation>%1 ha jugado %2 y elegido %3</translation>
    </message>
    <message>
        <source>Round %1: %2 %3, %4 %5</source>
        <translation>Ronda %1: %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>you</source>
        <translation>tú</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>ordenador</translation>
    </message>
    <message>
        <source>Round %1 of 5 is dealt: the pile shows %2</source>
        <translation>La ronda %1 de 5 está repartida: el montón muestra %2</translation>
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
        <translation>cuánto tiempo se ofrece cada carta y cada palo, de 0.5 a 10 segundos; auto lo aprende de las pulsaciones del jugador</translation>
    </message>
    <message>
        <source>a left click anywhere on the window is the switch too</source>
        <translation>un clic izquierdo en cualquier parte de la ventana también sirve de pulsador</translation>
    </message>
    <message>
        <source>any button of any joystick or gamepad is the switch too</source>
        <translation>cualquier botón de cualquier joystick o mando también sirve de pulsador</translation>
    </message>
    <message>
        <source>a second switch: Return or Enter, the right button, joystick button N (0 to 31), or the key Qt names NAME (key:F8)</source>
        <translation>un segundo pulsador: Intro (la principal o la del teclado numérico), el botón derecho del ratón, el botón N del joystick (de 0 a 31) o la tecla que Qt llama NAME (key:F8)</translation>
    </message>
    <message>
        <source>presses that follow the last one within this time are ignored, 0 to 2000</source>
        <translation>se ignoran las pulsaciones que siguen a la anterior dentro de este tiempo, de 0 a 2000</translation>
    </message>
    <message>
        <source>a press counts only once the switch is held this long, 0 to 2000</source>
        <translation>una pulsación solo cuenta si el pulsador se mantiene pulsado este tiempo, de 0 a 2000</translation>
    </message>
    <message>
        <source>the first offer of a turn and of a suit choice lasts twice the scan time</source>
        <translation>la primera opción de un turno y de una elección de palo dura el doble del tiempo de barrido</translation>
    </message>
    <message>
        <source>how the offered card is marked: lifted, or lifted and framed</source>
        <translation>cómo se marca la carta ofrecida: levantada, o levantada y enmarcada</translation>
    </message>
    <message>
        <source>a short sound at each new offer</source>
        <translation>un sonido corto con cada nueva opción</translation>
    </message>
    <message>
        <source>offered cards and suits, the computer&apos;s plays and the results are spoken</source>
        <translation>se leen en voz alta las cartas y los palos ofrecidos, las jugadas del ordenador y los resultados</translation>
    </message>
    <message>
        <source>the whole table drawn this many times larger; fit: the largest that fits the screen</source>
        <translation>toda la mesa se dibuja este número de veces más grande; fit: lo más grande que quepa en la pantalla</translation>
    </message>
    <message>
        <source>large-index: a big rank and suit in the corners of every card</source>
        <translation>large-index: valor y palo grandes en las esquinas de cada carta</translation>
    </message>
    <message>
        <source>spades black, hearts red, diamonds blue and clubs green</source>
        <translation>picas en negro, corazones en rojo, diamantes en azul y tréboles en verde</translation>
    </message>
    <message>
        <source>high: a dark table, light text, marked name plates and the strongest offer frame</source>
        <translation>high: mesa oscura, texto claro, placas de nombre marcadas y el marco de opción más visible</translation>
    </message>
    <message>
        <source>auto: each card offered in turn</source>
        <translation>auto: las cartas se ofrecen una tras otra</translation>
    </message>
    <message>
        <source>step: switch 1 moves, the second switch takes</source>
        <translation>step: el pulsador 1 avanza y el segundo pulsador elige</translation>
    </message>
    <message>
        <source>step-dwell: each press moves, a card left for the scan time is taken</source>
        <translation>step-dwell: cada pulsación avanza y se elige la carta en la que se espera el tiempo de barrido</translation>
    </message>
    <message>
        <source>inverse: hold to move, let go to take</source>
        <translation>inverse: mantener para avanzar, soltar para elegir</translation>
    </message>
    <message>
        <source>after this many passes with no press the scan rests until the next press; 0 never</source>
        <translation>tras este número de vueltas sin ninguna pulsación, el barrido se detiene hasta la siguiente pulsación; 0: nunca</translation>
    </message>
    <message>
        <source>a plain line on the table says what a press will do when nothing is offered</source>
        <translation>una línea sencilla en la mesa indica qué hará una pulsación cuando no se ofrece nada</translation>
    </message>
    <message>
        <source>long-press: holding the switch opens a menu to pause, change the speed, start a new match or end the game</source>
        <translation>long-press: mantener pulsado el pulsador abre un menú para hacer una pausa, cambiar la velocidad, empezar una nueva partida o salir del juego</translation>
    </message>
    <message>
        <source>how long the switch is held to open the menu, 1.5 to 10 seconds</source>
        <translation>cuánto tiempo hay que mantener pulsado el pulsador para abrir el menú, de 1.5 a 10 segundos</translation>
    </message>
    <message>
        <source>the language of the table, the speech and the settings; auto: the desktop&apos;s, or English</source>
        <translation>el idioma de la mesa, de la voz y de los ajustes; auto: el del escritorio, o inglés</translation>
    </message>
    <message>
        <source>two-step: a first press stops on the card and says it, a second within the scan time takes it</source>
        <translation>two-step: una primera pulsación se detiene en la carta y la dice, una segunda dentro del tiempo de barrido la elige</translation>
    </message>
    <message>
        <source>how the computer plays: gentle for a beginner, standard, or clever</source>
        <translation>cómo juega el ordenador: gentle para principiantes, standard o clever</translation>
    </message>
    <message>
        <source>this player&apos;s own switch when two play at one computer: any input another player does not name, the key Qt names NAME, joystick button N (0 to 31), or the right button</source>
        <translation>el pulsador propio de este jugador cuando dos juegan en un mismo ordenador: cualquier entrada que el otro jugador no nombre, la tecla que Qt llama NAME, el botón N del joystick (de 0 a 31) o el botón derecho del ratón</translation>
    </message>
    <message>
        <source>who plays the top hand: the computer, or the player NAME with the settings of their own file</source>
        <translation>quién juega la mano de arriba: el ordenador (computer) o el jugador NAME, con los ajustes de su propio archivo</translation>
    </message>
    <message>
        <source>with two players: handover shows the backs of both hands between turns; open keeps both face up</source>
        <translation>con dos jugadores: handover muestra el dorso de ambas manos entre turnos; open deja ambas boca arriba</translation>
    </message>
    <message>
        <source>a line on the table says what just happened</source>
        <translation>una línea en la mesa dice lo que acaba de pasar</translation>
    </message>
    <message>
        <source>every press and offer is kept on this computer, for the therapist&apos;s report (wildcrest --record)</source>
        <translation>cada pulsación y cada oferta se guardan en este ordenador, para el informe del terapeuta (wildcrest --record)</translation>
    </message>
    <message>
        <source>when the presses show the player tiring, a rest is offered until the next press</source>
        <translation>cuando las pulsaciones muestran que el jugador se cansa, se ofrece un descanso hasta la siguiente pulsación</translation>
    </message>
    <message>
        <source>a match left unfinished is saved after every turn; at the next start: ask on the title, always go on with it, or never</source>
        <translation>una partida sin terminar se guarda tras cada turno; al siguiente inicio: preguntar en la portada, seguir siempre con ella o nunca</translation>
    </message>
    <message>
        <source>with speech, an offer&apos;s time starts only once its name has been spoken to the end</source>
        <translation>con voz, el tiempo de una oferta empieza solo cuando su nombre se ha dicho entero</translation>
    </message>
    <message>
        <source>bar: a bar under the card, suit or menu item on offer empties over the time it is offered</source>
        <translation>bar: una barra bajo la carta, el palo o la opción de menú ofrecida se vacía durante el tiempo de la oferta</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Press to see your cards again</source>
        <translation>Pulsa para volver a ver tus cartas</translation>
    </message>
    <message>
        <source>Press to draw a card</source>
        <translation>Pulsa para robar una carta</translation>
    </message>
    <message>
        <source>Press for the next round</source>
        <translation>Pulsa para la siguiente ronda</translation>
    </message>
    <message>
        <source>Press for a new match</source>
        <translation>Pulsa para jugar una nueva partida</translation>
    </message>
    <message>
        <source>%1&apos;s turn: press when ready</source>
        <translation>Le toca a %1: pulsa cuando estés listo</translation>
    </message>
    <message>
        <source>Take a rest? Press to go on</source>
        <translation>¿Un descanso? Pulsa para seguir</translation>
    </message>
</context>
<context>
    <name>RecordReport</name>
    <message>
        <source>Wildcrest: record of switch use</source>
        <translation>Wildcrest: registro del uso del pulsador</translation>
    </message>
    <message>
        <source>Reaction time per session: mean and ±1 SD</source>
        <translation>Tiempo de reacción por sesión: media y ±1 DE</translation>
    </message>
    <message>
        <source>Coefficient of variation per session</source>
        <translation>Coeficiente de variación por sesión</translation>
    </message>
    <message>
        <source>Late presses, passes with no press, ignored presses</source>
        <translation>Pulsaciones tardías, pasadas sin pulsación, pulsaciones ignoradas</translation>
    </message>
    <message>
        <source>Fatigue curve: rolling median reaction in the session</source>
        <translation>Curva de fatiga: mediana móvil de la reacción en la sesión</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;esde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Session:</source>
        <translation>&amp;Sesión:</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Exportar &amp;CSV…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Guardar como P&amp;DF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>±1 SD</source>
        <translation>±1 DE</translation>
    </message>
    <message>
        <source>Mean reaction (ms)</source>
        <translation>Reacción media (ms)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>SD / mean</source>
        <translation>DE / media</translation>
    </message>
    <message>
        <source>Coefficient of variation</source>
        <translation>Coeficiente de variación</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Tardías</translation>
    </message>
    <message>
        <source>Passes with no press</source>
        <translation>Pasadas sin pulsación</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignoradas</translation>
    </message>
    <message>
        <source>%1 % of right selections</source>
        <translation>%1 % de las elecciones correctas</translation>
    </message>
    <message>
        <source>% of right selections</source>
        <translation>% de las elecciones correctas</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Suggested scan time: %1 s (mean reaction / %2, from %3 presses); in force: %4</source>
        <translation>Tiempo de barrido sugerido: %1 s (reacción media / %2, de %3 pulsaciones); vigente: %4</translation>
    </message>
    <message>
        <source>Suggested scan time: none yet (no offer taken in time by a press); in force: %1</source>
        <translation>Tiempo de barrido sugerido: ninguno todavía (ninguna oferta elegida a tiempo con una pulsación); vigente: %1</translation>
    </message>
    <message>
        <source>%1, from %2 to %3: sessions %4; presses taken in time %5</source>
        <translation>%1, del %2 al %3: sesiones %4; pulsaciones a tiempo %5</translation>
    </message>
    <message>
        <source>Rolling median of 10 (ms)</source>
        <translation>Mediana móvil de 10 (ms)</translation>
    </message>
    <message>
        <source>Minutes into the session</source>
        <translation>Minutos desde el inicio de la sesión</translation>
    </message>
    <message>
        <source>Export the record as CSV</source>
        <translation>Exportar el registro como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Guardar el informe como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
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
        <translation>Aprenderlo de las pulsaciones del jugador</translation>
    </message>
    <message>
        <source>A left click is the switch</source>
        <translation>El clic izquierdo sirve de pulsador</translation>
    </message>
    <message>
        <source>Any joystick or gamepad button is the switch</source>
        <translation>Cualquier botón de joystick o mando sirve de pulsador</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Return or Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Joystick button</source>
        <translation>Botón de joystick</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Joystick button number</source>
        <translation>Número del botón de joystick</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nombre de la tecla</translation>
    </message>
    <message>
        <source>Twice as long</source>
        <translation>El doble de tiempo</translation>
    </message>
    <message>
        <source>Lifted</source>
        <translation>Levantada</translation>
    </message>
    <message>
        <source>Lifted and framed</source>
        <translation>Levantada y enmarcada</translation>
    </message>
    <message>
        <source>A short sound</source>
        <translation>Un sonido corto</translation>
    </message>
    <message>
        <source>Speak offers, plays and results</source>
        <translation>Leer en voz alta opciones, jugadas y resultados</translation>
    </message>
    <message>
        <source>As large as the screen allows</source>
        <translation>Lo más grande que permita la pantalla</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Large rank and suit in the corners</source>
        <translation>Valor y palo grandes en las esquinas</translation>
    </message>
    <message>
        <source>Four colours: diamonds blue, clubs green</source>
        <translation>Cuatro colores: diamantes azules, tréboles verdes</translation>
    </message>
    <message>
        <source>High: dark table, light text</source>
        <translation>Alto: mesa oscura, texto claro</translation>
    </message>
    <message>
        <source>Each card in turn (auto)</source>
        <translation>Una carta tras otra (auto)</translation>
    </message>
    <message>
        <source>Switch 1 moves, switch 2 takes (step)</source>
        <translation>El pulsador 1 avanza, el 2 elige (step)</translation>
    </message>
    <message>
        <source>Each press moves, waiting takes (step-dwell)</source>
        <translation>Cada pulsación avanza, esperar elige (step-dwell)</translation>
    </message>
    <message>
        <source>Hold to move, let go to take (inverse)</source>
        <translation>Mantener para avanzar, soltar para elegir (inverse)</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source> passes</source>
        <translation> vueltas</translation>
    </message>
    <message>
        <source>Say what a press will do</source>
        <translation>Mostrar qué hará cada pulsación</translation>
    </message>
    <message>
        <source>A long press opens the menu</source>
        <translation>Una pulsación larga abre el menú</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
    <message>
        <source>&amp;Scan time:</source>
        <translation>Tiempo de &amp;barrido:</translation>
    </message>
    <message>
        <source>&amp;Mouse:</source>
        <translation>&amp;Ratón:</translation>
    </message>
    <message>
        <source>&amp;Joystick:</source>
        <translation>&amp;Joystick:</translation>
    </message>
    <message>
        <source>Second s&amp;witch:</source>
        <translation>Se&amp;gundo pulsador:</translation>
    </message>
    <message>
        <source>&amp;Debounce:</source>
        <translation>&amp;Antirrebote:</translation>
    </message>
    <message>
        <source>&amp;Acceptance time:</source>
        <translation>&amp;Tiempo de aceptación:</translation>
    </message>
    <message>
        <source>&amp;First offer:</source>
        <translation>&amp;Primera opción:</translation>
    </message>
    <message>
        <source>&amp;Highlight:</source>
        <translation>R&amp;esaltado:</translation>
    </message>
    <message>
        <source>S&amp;ound at each offer:</source>
        <translation>&amp;Sonido en cada opción:</translation>
    </message>
    <message>
        <source>S&amp;peech:</source>
        <translation>Vo&amp;z:</translation>
    </message>
    <message>
        <source>S&amp;canning:</source>
        <translation>&amp;Modo de barrido:</translation>
    </message>
    <message>
        <source>Scan &amp;loops:</source>
        <translation>&amp;Vueltas de barrido:</translation>
    </message>
    <message>
        <source>P&amp;rompts:</source>
        <translation>I&amp;ndicaciones:</translation>
    </message>
    <message>
        <source>Switch m&amp;enu:</source>
        <translation>Menú &amp;del pulsador:</translation>
    </message>
    <message>
        <source>Menu &amp;hold:</source>
        <translation>P&amp;ulsación larga:</translation>
    </message>
    <message>
        <source>Table si&amp;ze:</source>
        <translation>Tamaño de &amp;la mesa:</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Cartas:</translation>
    </message>
    <message>
        <source>Co&amp;ntrast:</source>
        <translation>C&amp;ontraste:</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>For the player, saved in %1. Options given on the command line win over these.</source>
        <translation>Para el jugador; se guardan en %1. Las opciones dadas en la línea de comandos tienen prioridad sobre estas.</translation>
    </message>
    <message>
        <source>The settings file %1 was changed by something else while this dialog was open. Save again to replace it with the settings shown here, or Cancel to keep it as it is now.</source>
        <translation>El archivo de ajustes %1 se ha modificado desde fuera mientras esta ventana estaba abierta. Pulse Guardar de nuevo para sustituirlo por los ajustes que se muestran aquí, o Cancelar para dejarlo como está ahora.</translation>
    </message>
    <message>
        <source>The second switch&apos;s key needs a name as Qt writes it, such as F8 or Tab.</source>
        <translation>La tecla del segundo pulsador necesita un nombre tal como lo escribe Qt, por ejemplo F8 o Tab.</translation>
    </message>
    <message>
        <source>Step scanning needs a second switch to take the card on offer: choose one, or another way of scanning.</source>
        <translation>El barrido paso a paso necesita un segundo pulsador para elegir la carta ofrecida: elija uno, o bien otro modo de barrido.</translation>
    </message>
    <message>
        <source>First press stops, second press takes (two-step)</source>
        <translation>La primera pulsación detiene, la segunda elige (two-step)</translation>
    </message>
    <message>
        <source>On this screen: up to %1 ×</source>
        <translation>En esta pantalla: hasta %1 ×</translation>
    </message>
    <message>
        <source>Gentle: easy to beat</source>
        <translation>Suave: fácil de ganar</translation>
    </message>
    <message>
        <source>Clever: plays well</source>
        <translation>Listo: juega bien</translation>
    </message>
    <message>
        <source>Compu&amp;ter:</source>
        <translation>Orde&amp;nador:</translation>
    </message>
    <message>
        <source>Own sw&amp;itch:</source>
        <translation>Pulsador p&amp;ropio:</translation>
    </message>
    <message>
        <source>Top hand played &amp;by:</source>
        <translation>Mano de arriba &amp;jugada por:</translation>
    </message>
    <message>
        <source>Handed over: both face down between turns</source>
        <translation>Pasar el turno: ambas boca abajo entre turnos</translation>
    </message>
    <message>
        <source>Open: both face up</source>
        <translation>Abiertas: ambas boca arriba</translation>
    </message>
    <message>
        <source>Hands between t&amp;urns:</source>
        <translation>Manos entre t&amp;urnos:</translation>
    </message>
    <message>
        <source>Narration:</source>
        <translation>Narración:</translation>
    </message>
    <message>
        <source>Say what just happened</source>
        <translation>Decir lo que acaba de pasar</translation>
    </message>
    <message>
        <source>Any, less the other player&apos;s switch</source>
        <translation>Cualquiera, salvo el pulsador del otro jugador</translation>
    </message>
    <message>
        <source>The player&apos;s own switch needs a key name as Qt writes it, such as Space or F8.</source>
        <translation>El pulsador propio del jugador necesita un nombre de tecla como lo escribe Qt, por ejemplo Space o F8.</translation>
    </message>
    <message>
        <source>(no name: the usual settings)</source>
        <translation>(sin nombre: los ajustes habituales)</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Cambiar nombre…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>Each player has settings of their own. Choosing a player shows theirs; Save writes them.</source>
        <translation>Cada jugador tiene sus propios ajustes. Elegir un jugador muestra los suyos; Guardar los escribe.</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Añadir…</translation>
    </message>
    <message>
        <source>There is a player %1 already: choose another name.</source>
        <translation>Ya hay un jugador %1: elija otro nombre.</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Añadir un jugador</translation>
    </message>
    <message>
        <source>The new player&apos;s name (they start from the usual defaults):</source>
        <translation>El nombre del nuevo jugador (empieza con los ajustes predeterminados):</translation>
    </message>
    <message>
        <source>Rename a player</source>
        <translation>Cambiar el nombre de un jugador</translation>
    </message>
    <message>
        <source>The new name of %1:</source>
        <translation>El nuevo nombre de %1:</translation>
    </message>
    <message>
        <source>Delete the player %1 and their settings?</source>
        <translation>¿Eliminar el jugador %1 y sus ajustes?</translation>
    </message>
    <message>
        <source>Delete a player</source>
        <translation>Eliminar un jugador</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot be empty</source>
        <translation>el nombre de un jugador no puede estar vacío</translation>
    </message>
    <message>
        <source>a player&apos;s name is at most %1 characters, not &quot;%2&quot;</source>
        <translation>el nombre de un jugador tiene como máximo %1 caracteres, no «%2»</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot have a slash, as &quot;%1&quot; has</source>
        <translation>el nombre de un jugador no puede llevar una barra, como «%1»</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot start with a dot or hold &quot;..&quot;, as &quot;%1&quot; does</source>
        <translation>el nombre de un jugador no puede empezar por un punto ni contener «..», como «%1»</translation>
    </message>
    <message>
        <source>a player&apos;s name cannot start or end with a space, as &quot;%1&quot; does</source>
        <translation>el nombre de un jugador no puede empezar ni terminar con un espacio, como «%1»</translation>
    </message>
    <message>
        <source>a player&apos;s name can only have printable characters</source>
        <translation>el nombre de un jugador solo puede tener caracteres imprimibles</translation>
    </message>
    <message>
        <source>Wildcrest settings: %1</source>
        <translation>Ajustes de Wildcrest: %1</translation>
    </message>
    <message>
        <source>The settings shown have changes that are not saved: keep editing them, save them, or discard them?</source>
        <translation>Los ajustes que se muestran tienen cambios sin guardar: ¿seguir editándolos, guardarlos o descartarlos?</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Seguir editando</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Some of %1 could not be taken; the fields show what the game plays with instead:</source>
        <translation>Parte de %1 no se pudo tomar; los campos muestran lo que el juego usa en su lugar:</translation>
    </message>
    <message>
        <source>The computer</source>
        <translation>El ordenador</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Registro:</translation>
    </message>
    <message>
        <source>Keep a record of switch use on this computer</source>
        <translation>Registrar el uso del pulsador en este ordenador</translation>
    </message>
    <message>
        <source>Rest:</source>
        <translation>Descanso:</translation>
    </message>
    <message>
        <source>Offer a rest when the player tires</source>
        <translation>Ofrecer un descanso cuando el jugador se cansa</translation>
    </message>
    <message>
        <source>Kept: every press of the switch and every offer, each with its time; the scores of the rounds; the settings in force. Where: %1. It stays on this computer and is never sent anywhere. It can be deleted at any time, here or with wildcrest --forget-record.</source>
        <translation>Se guarda: cada pulsación del pulsador y cada oferta, con su hora; los puntos de las rondas; los ajustes vigentes. Dónde: %1. Se queda en este ordenador y nunca se envía a ningún sitio. Se puede borrar en cualquier momento, aquí o con wildcrest --forget-record.</translation>
    </message>
    <message>
        <source>Delete this player&apos;s record…</source>
        <translation>Borrar el registro de este jugador…</translation>
    </message>
    <message>
        <source>Delete a record</source>
        <translation>Borrar un registro</translation>
    </message>
    <message>
        <source>Delete the record of switch use of %1 from this computer? It cannot be brought back.</source>
        <translation>¿Borrar de este ordenador el registro del uso del pulsador de %1? No se podrá recuperar.</translation>
    </message>
    <message>
        <source>&amp;View the record…</source>
        <translation>Ver el registro…</translation>
    </message>
    <message>
        <source>Ask on the title</source>
        <translation>Preguntar en la portada</translation>
    </message>
    <message>
        <source>Always go on with it</source>
        <translation>Seguir siempre con ella</translation>
    </message>
    <message>
        <source>Never: a new match each time</source>
        <translation>Nunca: una partida nueva cada vez</translation>
    </message>
    <message>
        <source>Unfinished match:</source>
        <translation>Partida sin terminar:</translation>
    </message>
    <message>
        <source>Speech pacing:</source>
        <translation>Ritmo de la voz:</translation>
    </message>
    <message>
        <source>Wait for each name to be spoken</source>
        <translation>Esperar a que se diga cada nombre</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>No se muestra</translation>
    </message>
    <message>
        <source>A bar under the offer that empties</source>
        <translation>Una barra bajo la oferta que se vacía</translation>
    </message>
    <message>
        <source>Time left:</source>
        <translation>Tiempo restante:</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>cannot be read as a file; using the defaults</source>
        <translation>no se puede leer como archivo; se usan los valores por defecto</translation>
    </message>
    <message>
        <source>is larger than %1 KiB, so it cannot be settings; using the defaults</source>
        <translation>ocupa más de %1 KiB, así que no pueden ser ajustes; se usan los valores por defecto</translation>
    </message>
    <message>
        <source>%1: there is no such option; it is left out</source>
        <translation>%1: esta opción no existe; se omite</translation>
    </message>
    <message>
        <source>%1: %2; using the default %3</source>
        <translation>%1: %2; se usa el valor por defecto %3</translation>
    </message>
    <message>
        <source>some of it is not settings (lines of name=value); that part is left out</source>
        <translation>una parte no son ajustes (líneas nombre=valor); esa parte se omite</translation>
    </message>
    <message>
        <source>%1; using scan-method=auto</source>
        <translation>%1; se usa scan-method=auto</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>líneas %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>nothing to play: press the switch to draw a card</source>
        <translation>no tienes nada que jugar: pulsa para robar una carta</translation>
    </message>
    <message>
        <source>you draw %1</source>
        <translation>robas %1</translation>
    </message>
    <message>
        <source>the computer draws a card</source>
        <translation>el ordenador roba una carta</translation>
    </message>
    <message>
        <source>the computer plays %1 and names %2</source>
        <translation>el ordenador juega %1 y elige %2</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>el ordenador juega %1</translation>
    </message>
    <message>
        <source>name a suit: %1</source>
        <translation>elige un palo: %1</translation>
    </message>
    <message>
        <source>the round is over: you have %1, the computer %2</source>
        <translation>fin de la ronda: tú tienes %1 y el ordenador %2</translation>
    </message>
    <message>
        <source>you win the match</source>
        <translation>has ganado la partida</translation>
    </message>
    <message>
        <source>the computer wins the match</source>
        <translation>el ordenador gana la partida</translation>
    </message>
    <message>
        <source>the match is a tie</source>
        <translation>la partida termina en empate</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menú</translation>
    </message>
    <message>
        <source>each offer now lasts %1 seconds</source>
        <translation>ahora cada opción dura %1 segundos</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gana la partida</translation>
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
        <translation>botón %2 del %1</translation>
    </message>
    <message>
        <source>%1, switch %2</source>
        <translation>%1, pulsador %2</translation>
    </message>
    <message>
        <source>%1, held %2</source>
        <translation>%1, duración %2</translation>
    </message>
    <message>
        <source>%1, %2 since the last</source>
        <translation>%1, %2 desde la anterior</translation>
    </message>
    <message>
        <source>%1, the first</source>
        <translation>%1, la primera</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Press the player&apos;s switch</source>
        <translation>Accione el pulsador del jugador</translation>
    </message>
    <message>
        <source>Keys and clicks here, and any joystick button, are shown as the game would take them under the debounce and acceptance set below. Tab leaves this panel.</source>
        <translation>Las teclas y los clics aquí, y cualquier botón de joystick, se muestran tal como los tomaría el juego con el antirrebote y el tiempo de aceptación configurados abajo. Tab sale de este panel.</translation>
    </message>
    <message>
        <source>Presses seen</source>
        <translation>Pulsaciones detectadas</translation>
    </message>
    <message>
        <source>After %1 presses a debounce is suggested from the bounces seen.</source>
        <translation>Tras %1 pulsaciones se sugiere un antirrebote según los rebotes detectados.</translation>
    </message>
    <message>
        <source>Use this debounce</source>
        <translation>Usar este antirrebote</translation>
    </message>
    <message>
        <source>No bounces in %1 presses: no debounce is needed.</source>
        <translation>Ningún rebote en %1 pulsaciones: no hace falta antirrebote.</translation>
    </message>
    <message>
        <source>Bounces up to %1 in %2 presses: a debounce of %3 ms is suggested.</source>
        <translation>Rebotes de hasta %1 en %2 pulsaciones: se sugiere un antirrebote de %3 ms.</translation>
    </message>
    <message>
        <source>key</source>
        <translation>tecla</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>ratón</translation>
    </message>
    <message>
        <source>joystick</source>
        <translation>joystick</translation>
    </message>
    <message>
        <source>counted</source>
        <translation>contada</translation>
    </message>
    <message>
        <source>ignored: within debounce</source>
        <translation>ignorada: dentro del antirrebote</translation>
    </message>
    <message>
        <source>ignored: released after %1 ms, acceptance %2 ms</source>
        <translation>ignorada: soltada a los %1 ms, aceptación de %2 ms</translation>
    </message>
    <message>
        <source>ignored: the switch was already down</source>
        <translation>ignorada: el pulsador ya estaba pulsado</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>no contada</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Round: %1 of 5</source>
        <translation>Ronda: %1 de 5</translation>
    </message>
    <message>
        <source>START</source>
        <translation>INICIO</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Player Wins!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>¡Has perdido!</translation>
    </message>
    <message>
        <source>Tie Game!</source>
        <translation>¡Empate!</translation>
    </message>
    <message>
        <source>[Press any key to start]</source>
        <translation>[Pulsa cualquier tecla para empezar]</translation>
    </message>
    <message>
        <source>A game of eights for players who use one switch</source>
        <translation>Un juego de ocho loco para jugadores que usan un solo pulsador</translation>
    </message>
    <message>
        <source>Any key that types a character, a click or a controller button is the switch</source>
        <translation>Cualquier tecla que escriba un carácter, un clic o un botón de mando es el pulsador</translation>
    </message>
    <message>
        <source>To set it up for a player: wildcrest --settings</source>
        <translation>Para ajustarlo a un jugador: wildcrest --settings</translation>
    </message>
    <message>
        <source>Esc ends the game at any time</source>
        <translation>Esc cierra el juego en cualquier momento</translation>
    </message>
    <message>
        <source>one switch, every card</source>
        <translation>un pulsador, cada carta</translation>
    </message>
    <message numerus="yes">
        <source>%n card</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n carta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Tu mano</translation>
    </message>
    <message>
        <source>Computer&apos;s hand</source>
        <translation>Mano del ordenador</translation>
    </message>
    <message>
        <source>%1, empty place</source>
        <translation>%1, hueco vacío</translation>
    </message>
    <message>
        <source>%1, card %2 of %3</source>
        <translation>%1, carta %2 de %3</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Tu mano: %1</translation>
    </message>
    <message>
        <source>Computer&apos;s hand: %1</source>
        <translation>Mano del ordenador: %1</translation>
    </message>
    <message>
        <source>Pile: empty</source>
        <translation>Montón: vacío</translation>
    </message>
    <message>
        <source>Pile: eight, %1 named</source>
        <translation>Montón: un ocho, palo elegido: %1</translation>
    </message>
    <message>
        <source>Pile: %1</source>
        <translation>Montón: %1</translation>
    </message>
    <message>
        <source>Deck: %1</source>
        <translation>Mazo: %1</translation>
    </message>
    <message>
        <source>Card on its way</source>
        <translation>Carta en movimiento</translation>
    </message>
    <message>
        <source>%1, to play</source>
        <translation>%1, su turno</translation>
    </message>
    <message>
        <source>Player %1, Computer %2</source>
        <translation>Jugador %1, Ordenador %2</translation>
    </message>
    <message>
        <source>Computer %1, Player %2</source>
        <translation>Ordenador %1, Jugador %2</translation>
    </message>
    <message>
        <source>The Wildcrest crest</source>
        <translation>El escudo de Wildcrest</translation>
    </message>
    <message>
        <source>One switch. Every card.</source>
        <translation>Un pulsador. Cada carta.</translation>
    </message>
    <message>
        <source>%1 Wins!</source>
        <translation>¡%1 gana!</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <source>%1&apos;s hand</source>
        <translation>Mano de %1</translation>
    </message>
    <message>
        <source>%1&apos;s hand: %2</source>
        <translation>Mano de %1: %2</translation>
    </message>
    <message>
        <source>%1, card %2 of %3</source>
        <comment>the card&apos;s name first</comment>
        <translation>%1, carta %2 de %3</translation>
    </message>
    <message>
        <source>%1, card %2 of %3, %4</source>
        <translation>%1, carta %2 de %3, %4</translation>
    </message>
    <message>
        <source>%1, name a suit</source>
        <translation>%1, elige un palo</translation>
    </message>
    <message>
        <source>%1, menu</source>
        <translation>%1, menú</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>you</source>
        <translation>tú</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>ordenador</translation>
    </message>
    <message>
        <source>Go on with the match: round %1 of 5, %2 %3, %4 %5</source>
        <translation>Seguir con la partida: ronda %1 de 5, %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>The saved match %1 could not be played and is put aside. [Press any key to start]</source>
        <translation>La partida guardada %1 no se ha podido jugar y se ha apartado. [Pulsa cualquier tecla para empezar]</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nueva partida</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Options (also read from %1,
where the command line wins):</source>
        <translation>Opciones (también se leen de %1;
la línea de comandos tiene prioridad):</translation>
    </message>
    <message>
        <source>%1 (default %2)</source>
        <translation>%1 (por defecto: %2)</translation>
    </message>
    <message>
        <source>open the settings dialog, which writes that file</source>
        <translation>abre la ventana de ajustes, que escribe ese archivo</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>muestra este texto</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>muestra la versión</translation>
    </message>
    <message>
        <source>play with the settings of the player NAME, kept in players/NAME.conf beside that file; with --settings, edit them</source>
        <translation>juega con los ajustes del jugador NAME, guardados en players/NAME.conf junto a ese archivo; con --settings, los edita</translation>
    </message>
    <message>
        <source>Usage: wildcrest [--player=NAME] [--OPTION=VALUE]...
       wildcrest --settings | --help | --version
       wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record

A card game played with one switch: each choice is offered in turn and one
press of any key, a click or any joystick button takes it. Esc ends the game.
</source>
        <translation>Uso: wildcrest [--player=NAME] [--OPTION=VALUE]...
     wildcrest --settings | --help | --version
     wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record

Un juego de cartas que se juega con un solo pulsador: las opciones se ofrecen
una tras otra y basta pulsar cualquier tecla, hacer clic o pulsar cualquier
botón de joystick para elegir una. Esc cierra el juego.
</translation>
    </message>
    <message>
        <source>open the report on the player&apos;s record of switch use (kept with record=on)</source>
        <translation>abre el informe del registro del uso del pulsador del jugador (guardado con record=on)</translation>
    </message>
    <message>
        <source>write the player&apos;s record to FILE.csv, one line for each press and offer</source>
        <translation>escribe el registro del jugador en FILE.csv, una línea por pulsación y oferta</translation>
    </message>
    <message>
        <source>delete the player&apos;s record from this computer</source>
        <translation>borra el registro del jugador de este ordenador</translation>
    </message>
    <message>
        <source>start a new match, whatever match was saved at the last stop</source>
        <translation>empieza una partida nueva, sea cual sea la partida guardada la última vez</translation>
    </message>
</context>
</TS>
