// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// A new feature adds a row (or a section) to the table below; the window needs no other change.
#include "classroom/NapovedaTridy.h"

#include "platform/Obrazovka.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

struct TRadekNapovedy {
  const char* co;  // a key, a control or a gesture
  const char* popis;
};

struct TOddilNapovedy {
  const char* nadpis;
  const char* uvod;
  std::initializer_list<TRadekNapovedy> radky;
};

const TOddilNapovedy kNapoveda[] = {
    {"Nabídka plátna",
     "Pravé tlačítko myši na plátně, klávesa nabídky nebo Shift+F10 otevře nabídku plátna. Volby se zaškrtávají "
     "a program si je pamatuje do příštího spuštění. Když myš chvíli stojí nad vrcholem nebo hranou, bublina ukáže "
     "jeho číslo, hodnotu, stupeň a komentář, nebo délku hrany.",
     {
         {"F2 · Čísla vrcholů", "Napíše k vrcholům jejich čísla (jen přes plátno, obrázek grafu se nemění)."},
         {"F3 · Délky hran", "Napíše ke středům hran jejich délky."},
         {"F4 · Průběh výkladu…", "Otevře okno s kroky posledního výkladu (popis níže)."},
         {"Výklad bez oken se zprávami",
          "Kruskal, Jarník a Borůvka neotvírají okénka se zprávami; jejich kroky se zapíší a okno Průběh výkladu se "
          "po příkazu samo otevře."},
         {"Ctrl+Shift+S · Uložit obrázek…", "Uloží plátno s popisky jako PNG nebo SVG."},
         {"Ctrl+Shift+C · Kopírovat obrázek", "Zkopíruje plátno s popisky do schránky."},
         {"F1 · Nápověda k výuce", "Otevře tuto nápovědu."},
     }},
    {"Okno Průběh výkladu",
     "Nahoře je velkým písmem vybraný krok a pod ním vysvětlení, proč se děje. Obrázek ukazuje plátno tak, jak "
     "vypadalo při tomto kroku; právě zkoumaná hrana je zvýrazněná. V seznamu je každý krok jedním řádkem.",
     {
         {"Odkrývat postupně",
          "Kroky za vybraným zůstanou skryté, takže třída nevidí dopředu další kroky ani výslednou délku. Vypnuto "
          "ukazuje všechny kroky."},
         {"▶ Přehrát / ⏸ Pauza", "Postupuje o krok vždy po zvoleném počtu sekund (0,5 až 10) až do konce; "
                                 "kterýkoli ruční krok přehrávání zastaví."},
         {"Čísla vrcholů, Délky hran", "Popisky v obrázku kroku."},
         {"Uložit obrázek…, Uložit text…", "Uloží obrázek vybraného kroku (PNG, SVG) nebo celý výklad jako text."},
         {"✓ zařazení", "Hrana spojuje dva různé stromy a patří do kostry."},
         {"✗ kružnice", "Oba konce hrany už leží v jednom stromu; hrana by uzavřela kružnici."},
         {"= druhý záznam", "Hrana už v kostře je; program ji zná z obou konců a vyřazuje jen její druhý záznam."},
         {"! komponenty", "Graf není souvislý; každá komponenta dostane svůj strom."},
         {"Σ výsledek", "Délka kostry (u nesouvislého grafu délka kostrového lesa)."},
         {"i jiné", "Ostatní zprávy programu."},
     }},
    {"Klávesy okna Průběh výkladu",
     "Klávesy fungují, ať je v okně zaměřený kterýkoli ovládací prvek.",
     {
         {"Home", "První krok."},
         {"šipka vlevo, šipka nahoru", "Předchozí krok."},
         {"šipka vpravo, šipka dolů", "Další krok."},
         {"End", "Poslední krok."},
         {"mezerník", "Přehrát, nebo zastavit přehrávání."},
         {"F11", "Celá obrazovka a zpět."},
         {"Esc", "Z celé obrazovky zpět, jinak zavře okno a plátno je zase vidět."},
     }},
    {"Úpravy grafu myší",
     "Volba nabídky plátna F6 · Úpravy myší. Když je vypnutá, myš na plátně nic nemění.",
     {
         {"dvojklik na prázdné místo", "Nový vrchol."},
         {"tažení vrcholu", "Přesune vrchol."},
         {"Shift + tažení z vrcholu na vrchol", "Nová hrana; program se zeptá na její délku."},
         {"dvojklik na hranu", "Změna délky hrany; délka 0 hranu odebere."},
         {"Delete · Smazat", "Smaže vrchol nebo hranu pod myší (vyšší vrcholy se přečíslují); v nabídce plátna otevřené nad vrcholem či hranou je to položka Smazat."},
         {"Ctrl+Z · Zpět", "Vrátí poslední změnu grafu, ať přišla odkudkoli."},
         {"Ctrl+Shift+Z, Ctrl+Y · Znovu", "Znovu provede vrácenou změnu."},
         {"Obnovit neuložený graf…",
          "Vrátí poslední neuložený graf, třeba po zavření programu bez uložení nebo po jeho pádu."},
     }},
    {"Cvičení",
     "Student sám předpovídá kroky Kruskalova, Jarníkova a Borůvkova algoritmu na vlastní kopii grafu.",
     {
         {"F5 · Cvičení…", "Otevře okno cvičení s grafem z hlavního okna nebo s vygenerovaným příkladem."},
     }},
    {"Tisk a obrázky",
     "",
     {
         {"Ctrl+P · Tisk…", "Vytiskne plátno (v okně Průběh výkladu vybraný krok) s popisky a textem kroku."},
         {"měřítko obrázku", "Obrázek PNG lze uložit v měřítku 1×, 2× nebo 4×; na příkazové řádce --meritko 1 až 8."},
     }},
};

QString Html(const char* text) {
  return QString::fromUtf8(text).toHtmlEscaped();
}

}  // namespace

QString TextNapovedyTridy() {
  QString html = QStringLiteral("<h2>Nápověda k výuce</h2>");
  for (const TOddilNapovedy& oddil : kNapoveda) {
    html += QStringLiteral("<h3>%1</h3>").arg(Html(oddil.nadpis));
    if (*oddil.uvod) html += QStringLiteral("<p>%1</p>").arg(Html(oddil.uvod));
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const TRadekNapovedy& radek : oddil.radky)
      html += QStringLiteral("<tr><td valign=\"top\"><b>%1</b></td><td>%2</td></tr>").arg(Html(radek.co), Html(radek.popis));
    html += QStringLiteral("</table>");
  }
  return html;
}

TFormNapovedaTridy::TFormNapovedaTridy() : TForm("TFormNapovedaTridy", "Nápověda k výuce", 0, 0, 640, 560) {
  TextNapoveda = new QTextBrowser(this);
  TextNapoveda->setObjectName(QStringLiteral("TextNapoveda"));
  TextNapoveda->setHtml(TextNapovedyTridy());
  ButtonZavrit = new QPushButton(QStringLiteral("Zavřít"), this);
  ButtonZavrit->setObjectName(QStringLiteral("ButtonZavrit"));
  QObject::connect(ButtonZavrit, &QPushButton::clicked, this, [this] { Close(); });
  ZavirejKlavesouEsc(this, ButtonZavrit);
  auto* sloupec = new QVBoxLayout(this);
  sloupec->addWidget(TextNapoveda, 1);
  sloupec->addWidget(ButtonZavrit, 0, Qt::AlignRight);
}
