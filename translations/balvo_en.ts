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
        <translation>Multiplying by zero will destroy
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
        <translation>x-values that make the two sides of the equation equal
but with opposite signs are  n o t  solutions.

The equation you get by squaring will, however,
also have such x-values as solutions. (They can be
revealed by checking or by looking at the graphical
solution.)

Do you still want to square the equation?</translation>
    </message>
    <message>
        <source>Arket er fullt: det har plass til 100 linjer.
Trykk «Ny oppgave» eller velg «Egen likning» for å begynne på nytt.</source>
        <translation>The worksheet is full: it has room for 100 lines.
Press “New exercise” or choose “Own equation” to start again.</translation>
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
        <translation>The solution x=0 comes along
when you multiply by x.</translation>
    </message>
    <message>
        <source>Løsningen x=0
går nå tapt.</source>
        <translation>The solution x=0
is now lost.</translation>
    </message>
    <message>
        <source>Tallene blir for store til at regningen kan gjøres nøyaktig.
Velg en annen operasjon.</source>
        <translation>The numbers become too large for the calculation to be done exactly.
Choose another operation.</translation>
    </message>
    <message>
        <source>Egen likning</source>
        <translation>Own equation</translation>
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
        <translation>Options</translation>
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
        <translation>Difficulty:</translation>
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
        <translation>Fract.</translation>
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
        <translation>Multiply both sides by..</translation>
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
        <translation>Swap sides</translation>
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
        <translation>The operand is cleared</translation>
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
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Mindre</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Vanlig størrelse</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Fyll vinduet</source>
        <translation>Fill Window</translation>
    </message>
    <message>
        <source>Lagre økta som...</source>
        <translation>Save Lesson As...</translation>
    </message>
    <message>
        <source>Skriv ut økta...</source>
        <translation>Print Lesson...</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Økt</source>
        <translation>Lesson</translation>
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
        <source>Fyll vinduet</source>
        <translation>Fill the window</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>125 %</source>
        <translation>125 %</translation>
    </message>
    <message>
        <source>150 %</source>
        <translation>150 %</translation>
    </message>
    <message>
        <source>200 %</source>
        <translation>200 %</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Kopier</source>
        <translation>Copy</translation>
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
        <source>Tips</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>Forslag</source>
        <translation>Solutions</translation>
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
        <translation>%1 (own)</translation>
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
        <translation>Times</translation>
    </message>
    <message>
        <source>Del med</source>
        <translation>Divide by</translation>
    </message>
    <message>
        <source>Trekk kvadratrot</source>
        <translation>Square root</translation>
    </message>
    <message>
        <source>Kvadrer</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Snu fortegn</source>
        <translation>Change signs</translation>
    </message>
    <message>
        <source>Bytt side</source>
        <translation>Swap sides</translation>
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
        <translation>Then you are %1 step(s) from the solution.</translation>
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
        <translation>From here you cannot reach the solution of the exercise.</translation>
    </message>
    <message>
        <source>Fant ingen kort vei herfra.</source>
        <translation>No short way found from here.</translation>
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
        <source>%1 passer ikke i oppgaven</source>
        <translation>not a solution of the exercise: %1</translation>
    </message>
    <message>
        <source>alle tall er løsninger av oppgaven</source>
        <translation>every number solves the exercise</translation>
    </message>
    <message>
        <source>%1 mangler</source>
        <translation>missing: %1</translation>
    </message>
    <message>
        <source>stemmer ikke: %1</source>
        <translation>wrong – %1</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hint</translation>
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
goal or not. And there are many roads there, which is in
itself an important teaching point...</translation>
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
