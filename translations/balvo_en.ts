<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="nb_NO">
<context>
    <name>Arket</name>
    <message>
        <source>Du kan ikke dele med null.</source>
        <translation>You cannot divide by zero.</translation>
    </message>
    <message>
        <source>Å gange med null vil ødelegge
likningen.

Vil du gjøre det likevel?</source>
        <translation>Multiplying by zero would destroy
the equation.

Do you want to do it anyway?</translation>
    </message>
    <message>
        <source>x-verdier som gjør de to sidene i likningen like
men med motsatte fortegn er jo  i k k e  løsninger.

Den likningen du får ved kvadrering vil imidlertid
også ha slike x-verdier som løsning. (De kan av-
sløres ved å sette prøve eller ved å se på grafisk
løsning.)

Vil du likevel kvadrere likningen?</source>
        <translation>Values of x that make the two sides of the equation
equal in size but opposite in sign are  n o t  solutions.

The equation you get by squaring, however, has such
values of x as solutions too. (A check, or the graphical
solution, will show them up.)

Do you still want to square the equation?</translation>
    </message>
    <message>
        <source>Arket er fullt: det har plass til 100 linjer.
Trykk «Ny oppgave» eller velg «Egen likning» for å begynne på nytt.</source>
        <translation>The worksheet is full: it has room for 100 lines.
Press “New exercise” or choose “Your own equation” to start again.</translation>
    </message>
    <message>
        <source>Tallet er for stort: teller og nevner kan være høyst 32767.
Trykk «Stryk ut» og velg operasjonen på nytt.</source>
        <translation>The number is too large: numerator and denominator can be at most 32767.
Press “Clear” and choose the operation again.</translation>
    </message>
    <message>
        <source>Løsningen x=0 følger med på
lasset når du ganger med x.</source>
        <translation>Multiplying by x brings in
x = 0 as an extra solution.</translation>
    </message>
    <message>
        <source>Løsningen x=0
går nå tapt.</source>
        <translation>The solution x = 0
is lost by this step.</translation>
    </message>
    <message>
        <source>Tallene blir for store til at regningen kan gjøres nøyaktig.
Velg en annen operasjon.</source>
        <translation>The numbers would become too large to work out exactly.
Choose another operation.</translation>
    </message>
    <message>
        <source>Egen likning</source>
        <translation>Your own equation</translation>
    </message>
    <message>
        <source>Grafisk løsning</source>
        <translation>Graphical solution</translation>
    </message>
    <message>
        <source>Utskrift</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Lagre som</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Om Balvo</source>
        <translation>About Balvo</translation>
    </message>
    <message>
        <source>Angre</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Kopier arket</source>
        <translation>Copy worksheet</translation>
    </message>
    <message>
        <source>Valg</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Rediger</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Ny oppgave</source>
        <translation>New exercise</translation>
    </message>
    <message>
        <source>Vanskelighetsgrad:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Løste oppgaver:</source>
        <translation>Solved:</translation>
    </message>
    <message>
        <source>Poeng:</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Likningstype</source>
        <translation>Equation type</translation>
    </message>
    <message>
        <source>Både x² og x</source>
        <translation>x² and x</translation>
    </message>
    <message>
        <source>Kun x²</source>
        <translation>Only x²</translation>
    </message>
    <message>
        <source>Kun x</source>
        <translation>Only x</translation>
    </message>
    <message>
        <source>Brøker</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Legg til...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>Trekk fra...</source>
        <translation>Subtract...</translation>
    </message>
    <message>
        <source>Multipliser begge sider med..</source>
        <translation>Multiply both sides by...</translation>
    </message>
    <message>
        <source>Divider begge sider med...</source>
        <translation>Divide both sides by...</translation>
    </message>
    <message>
        <source>Trekk kvadratrot av begge sider</source>
        <translation>Take the square root of both sides</translation>
    </message>
    <message>
        <source>Kvadrer begge sider</source>
        <translation>Square both sides</translation>
    </message>
    <message>
        <source>Snu alle fortegn</source>
        <translation>Change all signs</translation>
    </message>
    <message>
        <source>Bytt sider</source>
        <translation>Swap the sides</translation>
    </message>
    <message>
        <source>Negativt fortegn</source>
        <translation>Negative sign</translation>
    </message>
    <message>
        <source>Brøkstrek</source>
        <translation>Fraction bar</translation>
    </message>
    <message>
        <source>Stryk ut</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Den ukjente</source>
        <translation>The unknown</translation>
    </message>
    <message>
        <source>Den ukjente i andre</source>
        <translation>The unknown squared</translation>
    </message>
    <message>
        <source>Utfør</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Språk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Rull opp</source>
        <translation>Scroll up</translation>
    </message>
    <message>
        <source>Rull ned</source>
        <translation>Scroll down</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Løsningsforslag</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Hjelp</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Steg:</source>
        <translation>Steps:</translation>
    </message>
    <message>
        <source>Prøve:</source>
        <translation>Check:</translation>
    </message>
    <message>
        <source>Oppgave: %1</source>
        <translation>Exercise: %1</translation>
    </message>
    <message>
        <source>Linje %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1, løst</source>
        <translation>%1, solved</translation>
    </message>
    <message>
        <source>neste steg: %1</source>
        <translation>next step: %1</translation>
    </message>
    <message>
        <source>Operanden er strøket ut</source>
        <translation>The operand has been cleared</translation>
    </message>
    <message>
        <source>Arket</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Løst</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Større</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Mindre</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Vanlig størrelse</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>Fyll vinduet</source>
        <translation>Fill the window</translation>
    </message>
    <message>
        <source>Lagre økta som...</source>
        <translation>Save lesson as...</translation>
    </message>
    <message>
        <source>Skriv ut økta...</source>
        <translation>Print lesson...</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Økt</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Løsningen %1 går nå tapt: ± kan bare stå på høyre side.
Bytt sider først, så får du med begge løsningene.</source>
        <translation>The solution %1 is now lost: ± can only stand on the right side.
Swap sides first, then you keep both solutions.</translation>
    </message>
    <message>
        <source>Avstand etter hvert steg</source>
        <translation>Distance after each step</translation>
    </message>
    <message>
        <source>Avstand:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>Åpne klasseoversikt...</source>
        <translation>Open class overview...</translation>
    </message>
    <message>
        <source>Regn selv</source>
        <translation>Work it out</translation>
    </message>
</context>
<context>
    <name>Dato</name>
    <message>
        <source>januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>mars</source>
        <translation>March</translation>
    </message>
    <message>
        <source>april</source>
        <translation>April</translation>
    </message>
    <message>
        <source>mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>august</source>
        <translation>August</translation>
    </message>
    <message>
        <source>september</source>
        <translation>September</translation>
    </message>
    <message>
        <source>oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>november</source>
        <translation>November</translation>
    </message>
    <message>
        <source>desember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>%1. %2 %3 kl. %4.%5</source>
        <translation>%1 %2 %3 at %4:%5</translation>
    </message>
</context>
<context>
    <name>Dokument</name>
    <message>
        <source>Det er ingen oppgave å lagre ennå.</source>
        <translation>There is no exercise to save yet.</translation>
    </message>
    <message>
        <source>Det er ingen oppgave å skrive ut ennå.</source>
        <translation>There is no exercise to print yet.</translation>
    </message>
    <message>
        <source>Filen «%1» kunne ikke lagres: mappen finnes ikke, eller du har ikke lov til å skrive i den.</source>
        <translation>The file “%1” could not be saved: the folder does not exist, or you are not allowed to write in it.</translation>
    </message>
    <message>
        <source>Filen «%1» kunne ikke lagres fordi skrivingen mislyktes (kanskje er disken full).
Ingenting er lagret.</source>
        <translation>The file “%1” could not be saved because writing failed (perhaps the disk is full).
Nothing has been saved.</translation>
    </message>
    <message>
        <source>Utskriften kunne ikke startes.</source>
        <translation>Printing could not be started.</translation>
    </message>
    <message>
        <source>PDF-dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>PNG-bilde (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>likning.pdf</source>
        <translation>equation.pdf</translation>
    </message>
    <message>
        <source>d. MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>økt.pdf</source>
        <translation>lesson.pdf</translation>
    </message>
    <message>
        <source>Balvo-økt (*.balvo)</source>
        <translation>Balvo lesson (*.balvo)</translation>
    </message>
    <message>
        <source>Navn:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>økt.balvo</source>
        <translation>lesson.balvo</translation>
    </message>
    <message>
        <source>klasse.pdf</source>
        <translation>class.pdf</translation>
    </message>
    <message>
        <source>klasse.csv</source>
        <translation>class.csv</translation>
    </message>
</context>
<context>
    <name>Klasseoversikt</name>
    <message>
        <source>Klasseoversikt</source>
        <translation>Class overview</translation>
    </message>
    <message>
        <source>Elever</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>Nivåer</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Filer som ikke kunne leses</source>
        <translation>Files that could not be read</translation>
    </message>
    <message>
        <source>Velg en elev og en oppgave for å se arket.</source>
        <translation>Choose a pupil and an exercise to see the worksheet.</translation>
    </message>
    <message>
        <source>Skriv ut...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Lagre som PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Eksporter CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CSV-fil (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Åpne økt-filer</source>
        <translation>Open lesson files</translation>
    </message>
    <message>
        <source>Åpne en mappe med økt-filer</source>
        <translation>Open a folder of lesson files</translation>
    </message>
    <message>
        <source>Åpne mappe...</source>
        <translation>Open folder...</translation>
    </message>
    <message>
        <source>Filen «%1» kunne ikke lagres.</source>
        <translation>The file “%1” could not be saved.</translation>
    </message>
    <message>
        <source>Mappen har ingen økt-filer (*.balvo).</source>
        <translation>The folder has no lesson files (*.balvo).</translation>
    </message>
</context>
<context>
    <name>Kommandolinje</name>
    <message>
        <source>Bruk: balvo [VALG]
Likninger løst steg for steg.

  --oversikt FIL...  skriv klasseoversikten over økt-filene (*.balvo) som CSV
                     (semikolon, UTF-8) til standard ut; filer som ikke kan leses,
                     står med grunnen på standard feil
  --help             vis denne hjelpen
  --version          vis programmets versjon

Uten valg åpnes programvinduet. Avslutningsstatus: 0, eller 2 når ingen fil kunne
leses eller valgene er feil.
</source>
        <translation>Usage: balvo [OPTION]
Equations solved step by step.

  --oversikt FILE...  write the class overview of the lesson files (*.balvo) as CSV
                      (semicolons, UTF-8) to standard output; files that cannot be
                      read are listed with the reason on standard error
  --help              show this help
  --version           show the program&apos;s version

Without options the program&apos;s window opens. Exit status: 0, or 2 when no file
could be read or the options are wrong.
</translation>
    </message>
    <message>
        <source>balvo: ukjent valg «%1»
Prøv «balvo --help».
</source>
        <translation>balvo: unknown option “%1”
Try “balvo --help”.
</translation>
    </message>
    <message>
        <source>balvo: --oversikt trenger minst én fil
</source>
        <translation>balvo: --oversikt needs at least one file
</translation>
    </message>
    <message>
        <source>Filen kunne ikke åpnes.</source>
        <translation>The file could not be opened.</translation>
    </message>
    <message>
        <source>balvo: ingen fil kunne leses
</source>
        <translation>balvo: no file could be read
</translation>
    </message>
</context>
<context>
    <name>Loesningsforslag</name>
    <message>
        <source>Løsningsforslag</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Løsningsforslaget som tekst</source>
        <translation>The worked solution as text</translation>
    </message>
    <message>
        <source>Kopier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Linje %1</source>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>Melding</name>
    <message>
        <source>Påtale</source>
        <translation>Not allowed</translation>
    </message>
    <message>
        <source>Advarsel</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Til etteretning</source>
        <translation>For your information</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nei</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Nett</name>
    <message>
        <source>Menylinje</source>
        <translation>Menu bar</translation>
    </message>
    <message>
        <source>likning.png</source>
        <translation>equation.png</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kopier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Filtype:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Velg økt-filene (*.balvo), eller slipp dem her i vinduet.</source>
        <translation>Choose the lesson files (*.balvo), or drop them here in the window.</translation>
    </message>
</context>
<context>
    <name>Oektfil</name>
    <message>
        <source>kan ikke spilles av: oppgave %1, handling %2: %3</source>
        <translation>cannot be replayed: exercise %1, action %2: %3</translation>
    </message>
    <message>
        <source>kan ikke spilles av: oppgave %1: %2</source>
        <translation>cannot be replayed: exercise %1: %2</translation>
    </message>
    <message>
        <source>tasten «%1» var ikke i bruk</source>
        <translation>the key “%1” was not available</translation>
    </message>
    <message>
        <source>operasjonen «%1» finnes ikke</source>
        <translation>there is no operation “%1”</translation>
    </message>
    <message>
        <source>operanden «%1» kan ikke tastes</source>
        <translation>the operand “%1” cannot be typed</translation>
    </message>
    <message>
        <source>programmet ville ikke ha utført dette steget</source>
        <translation>the program would not have carried out this step</translation>
    </message>
    <message>
        <source>programmet ville ha utført dette steget</source>
        <translation>the program would have carried out this step</translation>
    </message>
    <message>
        <source>arket har ikke plass til flere linjer</source>
        <translation>the worksheet has no room for more lines</translation>
    </message>
    <message>
        <source>«%1» var ikke mulig her</source>
        <translation>“%1” was not possible here</translation>
    </message>
    <message>
        <source>operanden fortsetter ikke den som ble avvist før</source>
        <translation>the operand does not go on from the one refused before</translation>
    </message>
    <message>
        <source>Filen er ikke en Balvo-økt (den er ikke JSON).</source>
        <translation>The file is not a Balvo lesson (it is not JSON).</translation>
    </message>
    <message>
        <source>Filen er avkortet: slutten mangler.</source>
        <translation>The file is cut short: its end is missing.</translation>
    </message>
    <message>
        <source>Filen er større enn 5 MB.</source>
        <translation>The file is larger than 5 MB.</translation>
    </message>
    <message>
        <source>Filen er ikke en Balvo-økt.</source>
        <translation>The file is not a Balvo lesson.</translation>
    </message>
    <message>
        <source>Filen er laget av en nyere Balvo (formatversjon %1); denne leser versjon %2.</source>
        <translation>The file was made by a newer Balvo (format version %1); this one reads version %2.</translation>
    </message>
    <message>
        <source>Feltet «%1» mangler.</source>
        <translation>The field “%1” is missing.</translation>
    </message>
    <message>
        <source>Feltet «%1» har feil type.</source>
        <translation>The field “%1” has the wrong type.</translation>
    </message>
    <message>
        <source>Feltet «%1» er utenfor det tillatte.</source>
        <translation>The field “%1” is out of range.</translation>
    </message>
    <message>
        <source>Feltet «%1» har flere enn %2 elementer.</source>
        <translation>The field “%1” has more than %2 elements.</translation>
    </message>
    <message>
        <source>Filen har flere enn %1 handlinger i alt.</source>
        <translation>The file has more than %1 actions in all.</translation>
    </message>
    <message>
        <source>samme økt som «%1»</source>
        <translation>same lesson as “%1”</translation>
    </message>
    <message>
        <source>usynlige tegn fjernet fra navnet</source>
        <translation>invisible characters removed from the name</translation>
    </message>
    <message>
        <source>linje %1 (%2 ganger)</source>
        <translation>line %1 (%2 times)</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Oppgaver</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Løst</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Steg</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Korteste</source>
        <translation>Shortest</translation>
    </message>
    <message>
        <source>Tips 1</source>
        <translation>Hints 1</translation>
    </message>
    <message>
        <source>Tips 2</source>
        <translation>Hints 2</translation>
    </message>
    <message>
        <source>Tips 3</source>
        <translation>Hints 3</translation>
    </message>
    <message>
        <source>Løsningsforslag</source>
        <translation>Worked solutions</translation>
    </message>
    <message>
        <source>Minutter</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Merknad</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Nivå</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Median steg over korteste</source>
        <translation>Median steps over shortest</translation>
    </message>
    <message>
        <source>Oftest tips ved</source>
        <translation>Hints most often at</translation>
    </message>
    <message>
        <source>egen</source>
        <translation>your own</translation>
    </message>
    <message>
        <source>Oftest ikke nærmere ved</source>
        <translation>No closer most often at</translation>
    </message>
    <message>
        <source>Tid</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Oppgavene til %1, lagret %2</source>
        <translation>Exercises of %1, saved %2</translation>
    </message>
    <message>
        <source>Oppgavene til %1</source>
        <translation>Exercises of %1</translation>
    </message>
    <message>
        <source>linjen «%1» vurderes ikke slik fila sier</source>
        <translation>the line «%1» is not judged as the file says</translation>
    </message>
</context>
<context>
    <name>Okt</name>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Oppgave</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Nivå</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Steg</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Korteste</source>
        <translation>Shortest</translation>
    </message>
    <message>
        <source>Forslag</source>
        <translation>Worked solutions</translation>
    </message>
    <message>
        <source>Løst</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Prøve</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Poeng</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>%1 (egen)</source>
        <translation>%1 (your own)</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nei</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 av %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Økta</source>
        <translation>The lesson</translation>
    </message>
    <message>
        <source>Oppgave %1</source>
        <translation>Exercise %1</translation>
    </message>
    <message>
        <source>Tips 1/2/3</source>
        <translation>Hints 1/2/3</translation>
    </message>
    <message>
        <source>Ikke nærmere</source>
        <translation>No closer</translation>
    </message>
    <message>
        <source>Gjentatt</source>
        <translation>Repeated</translation>
    </message>
    <message>
        <source>Skrevet</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>Riktig 1. gang</source>
        <translation>Right first try</translation>
    </message>
    <message>
        <source>Forsøk</source>
        <translation>Tries</translation>
    </message>
    <message>
        <source>Vist</source>
        <translation>Shown</translation>
    </message>
</context>
<context>
    <name>Operasjon</name>
    <message>
        <source>Legg til</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Trekk fra</source>
        <translation>Subtract</translation>
    </message>
    <message>
        <source>Gang med</source>
        <translation>Multiply by</translation>
    </message>
    <message>
        <source>Del med</source>
        <translation>Divide by</translation>
    </message>
    <message>
        <source>Trekk kvadratrot</source>
        <translation>Take the square root</translation>
    </message>
    <message>
        <source>Kvadrer</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Snu fortegn</source>
        <translation>Change all signs</translation>
    </message>
    <message>
        <source>Bytt side</source>
        <translation>Swap sides</translation>
    </message>
</context>
<context>
    <name>Regn selv</name>
    <message>
        <source>Skriv linjen før du trykker Enter.</source>
        <translation>Write the line before you press Enter.</translation>
    </message>
    <message>
        <source>det mangler et ledd etter %1</source>
        <translation>a term is missing after %1</translation>
    </message>
    <message>
        <source>det mangler et ledd foran %1</source>
        <translation>a term is missing before %1</translation>
    </message>
    <message>
        <source>det mangler et ledd på slutten</source>
        <translation>a term is missing at the end</translation>
    </message>
    <message>
        <source>det mangler + eller − foran %1</source>
        <translation>+ or − is missing before %1</translation>
    </message>
    <message>
        <source>det mangler et likhetstegn</source>
        <translation>the equals sign is missing</translation>
    </message>
    <message>
        <source>det kan bare stå ett likhetstegn i en linje</source>
        <translation>a line can have only one equals sign</translation>
    </message>
    <message>
        <source>den ukjente skal hete x, ikke %1</source>
        <translation>the unknown must be called x, not %1</translation>
    </message>
    <message>
        <source>tegnet %1 kan ikke brukes i en linje</source>
        <translation>the character %1 cannot be used in a line</translation>
    </message>
    <message>
        <source>tallet er for stort til å regnes eksakt</source>
        <translation>the number is too large to be worked with exactly</translation>
    </message>
    <message>
        <source>tallene blir for store til å regnes eksakt</source>
        <translation>the numbers get too large to be worked with exactly</translation>
    </message>
    <message>
        <source>nevneren kan ikke være 0</source>
        <translation>the denominator cannot be 0</translation>
    </message>
    <message>
        <source>det mangler et tall etter %1</source>
        <translation>a number is missing after %1</translation>
    </message>
    <message>
        <source>det kan ikke stå en rot under en rot</source>
        <translation>a root cannot stand under a root</translation>
    </message>
    <message>
        <source>x kan ikke ha høyere potens enn 2</source>
        <translation>x cannot have a power higher than 2</translation>
    </message>
    <message>
        <source>bare potensen 2 kan skrives, som x² eller x^2</source>
        <translation>only the power 2 can be written, as x² or x^2</translation>
    </message>
    <message>
        <source>parentesen lukkes ikke</source>
        <translation>the bracket is not closed</translation>
    </message>
    <message>
        <source>i en parentes foran x kan det bare stå et tall eller en brøk</source>
        <translation>a bracket before x can hold only a number or a fraction</translation>
    </message>
    <message>
        <source>%1 kan ikke stå her</source>
        <translation>%1 cannot stand here</translation>
    </message>
    <message>
        <source>det kan bare stå én rot på hver side</source>
        <translation>each side can have only one root</translation>
    </message>
    <message>
        <source>± kan bare stå foran et tall eller en rot</source>
        <translation>± can stand only before a number or a root</translation>
    </message>
    <message>
        <source>± kan ikke stå under en rot</source>
        <translation>± cannot stand under a root</translation>
    </message>
    <message>
        <source>det mangler et tall, x eller en parentes etter √</source>
        <translation>a number, x or a bracket is missing after √</translation>
    </message>
    <message>
        <source>det mangler x eller en rot etter %1</source>
        <translation>x or a root is missing after %1</translation>
    </message>
    <message>
        <source>Kan ikke lese «%1» ved tegn %2: %3.</source>
        <translation>Cannot read «%1» at character %2: %3.</translation>
    </message>
    <message>
        <source>Kan ikke lese «%1»: %2.</source>
        <translation>Cannot read «%1»: %2.</translation>
    </message>
    <message>
        <source>Regn selv</source>
        <translation>Work it out</translation>
    </message>
    <message>
        <source>Du har bare gjort det på venstre side.</source>
        <translation>You only did it on the left side.</translation>
    </message>
    <message>
        <source>Du har bare gjort det på høyre side.</source>
        <translation>You only did it on the right side.</translation>
    </message>
    <message>
        <source>Du har bare delt ett av leddene.</source>
        <translation>You only divided one of the terms.</translation>
    </message>
    <message>
        <source>Du har bare ganget ett av leddene.</source>
        <translation>You only multiplied one of the terms.</translation>
    </message>
    <message>
        <source>Sjekk fortegnet foran %1.</source>
        <translation>Check the sign before %1.</translation>
    </message>
    <message>
        <source>Brøker legges ikke sammen ved å legge sammen tellere og nevnere.</source>
        <translation>Fractions are not added by adding the numerators and the denominators.</translation>
    </message>
    <message>
        <source>Kvadratet av en sum er ikke summen av kvadratene.</source>
        <translation>The square of a sum is not the sum of the squares.</translation>
    </message>
    <message>
        <source>Husk ± når du trekker kvadratroten.</source>
        <translation>Remember ± when you take the square root.</translation>
    </message>
    <message>
        <source>Ikke riktig. Prøv igjen, eller trykk Esc for å se linjen.</source>
        <translation>Not right. Try again, or press Esc to see the line.</translation>
    </message>
    <message>
        <source>Det er den samme likningen, men med sidene byttet om.
Skriv sidene slik steget gir dem, eller trykk Esc for å se linjen.</source>
        <translation>It is the same equation, but with the sides swapped.
Write the sides as the step gives them, or press Esc to see the line.</translation>
    </message>
    <message>
        <source>Det er den samme likningen, men med begge sider ganget med samme tall.
Skriv linjen slik steget gir den, eller trykk Esc for å se linjen.</source>
        <translation>It is the same equation, but with both sides multiplied by the same number.
Write the line as the step gives it, or press Esc to see the line.</translation>
    </message>
    <message>
        <source>Linjen var lengre enn 200 tegn, og resten er tatt bort.
Se over linjen og trykk Enter igjen.</source>
        <translation>The line was longer than 200 characters, and the rest has been removed.
Look over the line and press Enter again.</translation>
    </message>
    <message>
        <source>Skriv linje %1</source>
        <translation>Write line %1</translation>
    </message>
    <message>
        <source>Skriv linjen steget gir, for eksempel 2x = 4, og trykk Enter. Esc viser linjen.</source>
        <translation>Write the line the step gives, for example 2x = 4, and press Enter. Esc shows the line.</translation>
    </message>
</context>
<context>
    <name>Side</name>
    <message>
        <source>Denne nettleseren kan ikke kjøre Balvo: den mangler WebAssembly.</source>
        <translation>This browser cannot run Balvo: it lacks WebAssembly.</translation>
    </message>
    <message>
        <source>Bruk en nyere utgave av Chrome, Edge, Firefox eller Safari.</source>
        <translation>Use a newer version of Chrome, Edge, Firefox or Safari.</translation>
    </message>
    <message>
        <source>Balvo kunne ikke startes. Last inn siden på nytt.</source>
        <translation>Balvo could not be started. Reload the page.</translation>
    </message>
</context>
<context>
    <name>Veileder</name>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>%1 og %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Likningen er løst.</source>
        <translation>The equation is solved.</translation>
    </message>
    <message>
        <source>Neste steg: %1</source>
        <translation>Next step: %1</translation>
    </message>
    <message>
        <source>Da er du %1 steg fra løsningen.</source>
        <translation>Steps left to the solution after this one: %1.</translation>
    </message>
    <message>
        <source>Denne likningen har ingen løsning.</source>
        <translation>This equation has no solution.</translation>
    </message>
    <message>
        <source>Alle tall er løsninger av denne likningen.</source>
        <translation>Every number is a solution of this equation.</translation>
    </message>
    <message>
        <source>Herfra kommer du ikke fram til løsningen av oppgaven.</source>
        <translation>From here you cannot get to the solution of the original equation.</translation>
    </message>
    <message>
        <source>Fant ingen kort vei herfra.</source>
        <translation>No short way was found from here.</translation>
    </message>
    <message>
        <source>%1 (korteste: %2)</source>
        <translation>%1 (shortest: %2)</translation>
    </message>
    <message>
        <source>kan ikke avgjøres</source>
        <translation>cannot be decided</translation>
    </message>
    <message>
        <source>stemmer</source>
        <translation>correct</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>stemmer ikke: alle tall er løsninger av oppgaven</source>
        <translation>wrong: every number is a solution of the original equation</translation>
    </message>
    <message>
        <source>stemmer ikke: %1 passer ikke i oppgaven, %2 mangler</source>
        <translation>wrong: the original equation is not solved by %1 but is solved by %2</translation>
    </message>
    <message>
        <source>stemmer ikke: %1 passer ikke i oppgaven</source>
        <translation>wrong: the original equation is not solved by %1</translation>
    </message>
    <message>
        <source>stemmer ikke: %1 mangler</source>
        <translation>wrong: the original equation is also solved by %1</translation>
    </message>
    <message>
        <source>Dette steget mistet løsningen %1</source>
        <translation>This step lost the solution %1</translation>
    </message>
    <message>
        <source>Dette steget mistet løsningene %1</source>
        <translation>This step lost the solutions %1</translation>
    </message>
    <message>
        <source>Dette steget ga en ekstra løsning %1</source>
        <translation>This step gave an extra solution %1</translation>
    </message>
    <message>
        <source>Dette steget ga ekstra løsninger %1</source>
        <translation>This step gave extra solutions %1</translation>
    </message>
    <message>
        <source>Etter dette steget er alle tall løsninger</source>
        <translation>After this step every number is a solution</translation>
    </message>
    <message>
        <source>Denne linjen hadde du før (oppgaven)</source>
        <translation>You had this line before (the exercise)</translation>
    </message>
    <message>
        <source>Denne linjen hadde du før (linje %1)</source>
        <translation>You had this line before (line %1)</translation>
    </message>
    <message>
        <source>Ikke nærmere: %1 steg igjen (før: %2)</source>
        <translation>No closer: %1 step(s) left (before: %2)</translation>
    </message>
    <message>
        <source>%1 steg igjen</source>
        <translation>%1 step(s) left</translation>
    </message>
    <message>
        <source>Trenger du et tips? Trykk Ctrl+T.</source>
        <translation>Need a hint? Press Ctrl+T.</translation>
    </message>
    <message>
        <source>Samle x-leddene på den ene siden.</source>
        <translation>Collect the x terms on one side.</translation>
    </message>
    <message>
        <source>Få leddet med x alene.</source>
        <translation>Get the x term on its own.</translation>
    </message>
    <message>
        <source>Få x² alene, så kan du trekke kvadratroten.</source>
        <translation>Get x² on its own, then you can take the square root.</translation>
    </message>
    <message>
        <source>Fullfør kvadratet.</source>
        <translation>Complete the square.</translation>
    </message>
    <message>
        <source>Gjør tallet foran x til 1.</source>
        <translation>Make the number in front of x equal to 1.</translation>
    </message>
    <message>
        <source>Gjør tallet foran x² til 1.</source>
        <translation>Make the number in front of x² equal to 1.</translation>
    </message>
    <message>
        <source>Gjør tallet foran rottegnet til 1.</source>
        <translation>Make the number in front of the root sign equal to 1.</translation>
    </message>
    <message>
        <source>Bli kvitt brøkene.</source>
        <translation>Get rid of the fractions.</translation>
    </message>
    <message>
        <source>Få et positivt tall foran x.</source>
        <translation>Get a positive number in front of x.</translation>
    </message>
    <message>
        <source>Få x over på venstre side.</source>
        <translation>Get x over to the left side.</translation>
    </message>
    <message>
        <source>Bli kvitt x².</source>
        <translation>Get rid of x².</translation>
    </message>
    <message>
        <source>Bli kvitt rottegnet.</source>
        <translation>Get rid of the root sign.</translation>
    </message>
    <message>
        <source>Kom ett steg nærmere løsningen.</source>
        <translation>Get one step closer to the solution.</translation>
    </message>
    <message>
        <source>Legg til et ledd med x².</source>
        <translation>Add a term with x².</translation>
    </message>
    <message>
        <source>Trekk fra et ledd med x².</source>
        <translation>Subtract a term with x².</translation>
    </message>
    <message>
        <source>Legg til et ledd med x.</source>
        <translation>Add a term with x.</translation>
    </message>
    <message>
        <source>Trekk fra et ledd med x.</source>
        <translation>Subtract a term with x.</translation>
    </message>
    <message>
        <source>Legg til et tall.</source>
        <translation>Add a number.</translation>
    </message>
    <message>
        <source>Trekk fra et tall.</source>
        <translation>Subtract a number.</translation>
    </message>
    <message>
        <source>Multipliser med x.</source>
        <translation>Multiply by x.</translation>
    </message>
    <message>
        <source>Del med x.</source>
        <translation>Divide by x.</translation>
    </message>
    <message>
        <source>Multipliser med fellesnevneren.</source>
        <translation>Multiply by the common denominator.</translation>
    </message>
    <message>
        <source>Multipliser med det omvendte av tallet foran x.</source>
        <translation>Multiply by the reciprocal of the number in front of x.</translation>
    </message>
    <message>
        <source>Del med tallet foran x.</source>
        <translation>Divide by the number in front of x.</translation>
    </message>
    <message>
        <source>Multipliser med det omvendte av tallet foran x².</source>
        <translation>Multiply by the reciprocal of the number in front of x².</translation>
    </message>
    <message>
        <source>Del med tallet foran x².</source>
        <translation>Divide by the number in front of x².</translation>
    </message>
    <message>
        <source>Multipliser med det omvendte av tallet foran rottegnet.</source>
        <translation>Multiply by the reciprocal of the number in front of the root sign.</translation>
    </message>
    <message>
        <source>Del med tallet foran rottegnet.</source>
        <translation>Divide by the number in front of the root sign.</translation>
    </message>
    <message>
        <source>Multipliser med et tall.</source>
        <translation>Multiply by a number.</translation>
    </message>
    <message>
        <source>Del med et tall.</source>
        <translation>Divide by a number.</translation>
    </message>
</context>
<context>
    <name>egenlikning</name>
    <message>
        <source>Skriv egen likning</source>
        <translation>Write your own equation</translation>
    </message>
    <message>
        <source>Glem det</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>x² på venstre side</source>
        <translation>x² on the left side</translation>
    </message>
    <message>
        <source>x på venstre side</source>
        <translation>x on the left side</translation>
    </message>
    <message>
        <source>konstantleddet på venstre side</source>
        <translation>the constant term on the left side</translation>
    </message>
    <message>
        <source>x² på høyre side</source>
        <translation>x² on the right side</translation>
    </message>
    <message>
        <source>x på høyre side</source>
        <translation>x on the right side</translation>
    </message>
    <message>
        <source>konstantleddet på høyre side</source>
        <translation>the constant term on the right side</translation>
    </message>
    <message>
        <source>koeffisienten</source>
        <translation>the coefficient</translation>
    </message>
    <message>
        <source>Feil i ruta for %1:
%2</source>
        <translation>Error in the box for %1:
%2</translation>
    </message>
    <message>
        <source>%1 er ikke et helt tall eller en brøk.
Skriv for eksempel 3, -2 eller -3/4.</source>
        <translation>%1 is not a whole number or a fraction.
Write for example 3, -2 or -3/4.</translation>
    </message>
    <message>
        <source>%1 er for stort.
Bruk tall mellom -2147483648 og 2147483647.</source>
        <translation>%1 is too large.
Use numbers between -2147483648 and 2147483647.</translation>
    </message>
    <message>
        <source>Nevneren kan ikke være null.</source>
        <translation>The denominator cannot be zero.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
</context>
<context>
    <name>frmOm</name>
    <message>
        <source>Om Balvo 2.0</source>
        <translation>About Balvo 2.0</translation>
    </message>
    <message>
        <source>Balvo 2.0 er et program for å øve på å løse likninger
trinn for trinn. Det er laget for bruk i skolen og
kjører på Linux-skrivebord med Qt. Eleven velger,
og maskinen regner ut.</source>
        <translation>Balvo 2.0 is a program for practising how to solve
equations step by step. It is made for use in school
and runs on the Linux desktop with Qt. The pupil
chooses, and the computer does the arithmetic.</translation>
    </message>
    <message>
        <source>Balvo 2.0 er et program for å øve på å løse likninger
trinn for trinn. Det er laget for bruk i skolen og
kjører i nettleseren, også uten nett. Eleven velger,
og maskinen regner ut.</source>
        <translation>Balvo 2.0 is a program for practising how to solve
equations step by step. It is made for use in school
and runs in the browser, even offline. The pupil
chooses, and the computer does the arithmetic.</translation>
    </message>
    <message>
        <source>Fri programvare for bruk i skolen.</source>
        <translation>Free software for use in schools.</translation>
    </message>
    <message>
        <source>Versjon 2.03.0</source>
        <translation>Version 2.03.0</translation>
    </message>
    <message>
        <source>Programmets pedagogiske idé går ut på å utnytte data-
maskinas mulighet til enkelt å skille ut det taktiske som
eget øvelsesmoment når det gjelder å løse oppstilte
likninger.

Programmet utfører lydig utregningene som følger av de
valg eleven gjør enten de fører mot målet eller ikke. Dit
er det dessuten mange veier, og dét er jo i seg selv et
viktig pedagogisk poeng...</source>
        <translation>The program&apos;s teaching idea is to use the computer&apos;s
ability to single out the tactics as an exercise of
their own when it comes to solving equations that
have been set up.

The program obediently carries out the calculations that
follow from the pupil&apos;s choices, whether they lead to the
goal or not. And there are many ways to get there, which
is in itself an important teaching point...</translation>
    </message>
    <message>
        <source>&quot;Advarsel:&quot;</source>
        <translation>&quot;Warning:&quot;</translation>
    </message>
    <message>
        <source>Det er nokså meningsløst å kunne løse likninger uten å kunne lage dem selv når det trengs.</source>
        <translation>It is rather pointless to be able to solve equations without being able to set them up yourself when they are needed.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>mmArk</name>
    <message>
        <source>Grafisk løsning</source>
        <translation>Graphical solution</translation>
    </message>
    <message>
        <source>Det er ingen likning å tegne</source>
        <translation>There is no equation to draw</translation>
    </message>
    <message>
        <source>Kurvene krysser hverandre i %1</source>
        <translation>The curves cross at %1</translation>
    </message>
    <message>
        <source>%1 og %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Kurvene krysser ikke hverandre</source>
        <translation>The curves do not cross</translation>
    </message>
    <message>
        <source>Kurvene er like</source>
        <translation>The curves are the same</translation>
    </message>
</context>
</TS>
