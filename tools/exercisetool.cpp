// dosarium-exercices: writes the ".E12", ".C05" and RTF files of exercises from their sources.
#include "exercises/exercisesource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

using namespace dosarium;

namespace {

const char usage[] =
    "Usage : dosarium-exercices [--sortie DOSSIER] [--tout DOSSIER] [EXERCICE...]\n"
    "\n"
    "Fabrique les fichiers d'un exercice de Dosarium à partir de ses sources.\n"
    "Chaque EXERCICE est un dossier qui contient un fichier exercice.txt ;\n"
    "le nom du dossier donne le nom des fichiers produits :\n"
    "  NOM.E12            la fiche de l'exercice (celle que liste la fenêtre Exercices)\n"
    "  NOM-enonce.rtf     l'énoncé\n"
    "  NOM-corrige.rtf    le corrigé (si l'exercice en a un)\n"
    "  NOM.C05            la configuration chargée avec l'énoncé (facultative)\n"
    "  NOM-corrige.C05    la configuration chargée avec le corrigé (facultative)\n"
    "  NOM-inconnue.txt   la solution inconnue de l'exercice (facultative)\n"
    "\n"
    "Options :\n"
    "  --sortie DOSSIER   dossier où écrire les fichiers (par défaut le dossier courant)\n"
    "  --tout DOSSIER     traite chaque sous-dossier de DOSSIER qui contient exercice.txt\n"
    "  --help             affiche cette aide\n"
    "\n"
    "Le fichier exercice.txt (UTF-8) contient des lignes « clé = valeur » ;\n"
    "une valeur entre guillemets garde ses espaces, # commence un commentaire :\n"
    "  titre = Préparer une solution de glucose\n"
    "  difficulte = 1.5          (0 à 3 ; 1.5 allume deux marques)\n"
    "  notion = Dissolution      (quatre au plus, mises bout à bout :\n"
    "  notion = \" - masse molaire\"  commencer les suivantes par un espace)\n"
    "  enonce = enonce.txt\n"
    "  corrige = corrige.txt     (facultatif)\n"
    "\n"
    "puis, facultatives, les préparations :\n"
    "  [configuration-enonce]    chargée à l'ouverture de l'exercice\n"
    "  [configuration-corrige]   chargée avec le corrigé\n"
    "  [verification]            autre préparation dont le corrigé cite le résultat\n"
    "  reactif = glucose\n"
    "  mesure = balance          (balance, fiole-jaugee, eprouvette-graduee,\n"
    "                             pipette-jaugee, pipette-graduee)\n"
    "  masse = 3.60              (g, avec la balance)\n"
    "  volume = 10               (mL, avec la verrerie)\n"
    "  fiole = 200               (mL : 25, 50, 100, 200, 250, 500 ou 1000)\n"
    "  message = ...             (message attendu à la fin : refus ou avertissement)\n"
    "\n"
    "et, facultative, la solution inconnue à encadrer par une échelle de teintes :\n"
    "  [inconnue]\n"
    "  reactif = sulfate-de-cuivre   (une solution aqueuse de l'armoire)\n"
    "  concentration = 0.075         (mol/L, ou concentration-en-masse = 12.0 en g/L)\n"
    "\n"
    "Réactifs : ethanol, acetone, acide-acetique, saccharose, glucose,\n"
    "hydroxyde-de-sodium, permanganate-de-potassium, sulfate-de-cuivre,\n"
    "acide-chlorhydrique.\n"
    "\n"
    "Les textes s'écrivent en clair : une ligne vide sépare les paragraphes,\n"
    "« # » commence un titre, « ## » un intertitre, « - » un élément de liste,\n"
    "« 1. » une question numérotée ;\n"
    "**gras**, *italique*, ^{exposant} et _{indice} dans le texte.\n";

void say(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString output = QDir::currentPath();
    QStringList folders;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (argument == QLatin1String("--sortie") || argument == QLatin1String("--tout")) {
            if (i + 1 >= arguments.size()) {
                say(stderr, QStringLiteral("%1 : il manque le dossier").arg(argument));
                return 2;
            }
            const QString folder = arguments[++i];
            if (argument == QLatin1String("--sortie")) {
                output = folder;
                continue;
            }
            const QDir all(folder);
            if (!all.exists()) {
                say(stderr, QStringLiteral("%1 : dossier introuvable").arg(folder));
                return 1;
            }
            for (const QString& name :
                 all.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
                if (QFileInfo::exists(all.filePath(name + QLatin1Char('/') +
                                                   ExerciseSourceReader::descriptionFile)))
                    folders.append(all.filePath(name));
            }
            continue;
        }
        if (argument.startsWith(QLatin1Char('-'))) {
            say(stderr, QStringLiteral("%1 : option inconnue (voir --help)").arg(argument));
            return 2;
        }
        folders.append(argument);
    }
    if (folders.isEmpty()) {
        std::fputs(usage, stderr);
        return 2;
    }
    if (!QDir().mkpath(output)) {
        say(stderr, QStringLiteral("%1 : dossier de sortie impossible à créer").arg(output));
        return 1;
    }
    int failures = 0;
    for (const QString& folder : std::as_const(folders)) {
        const SourceReading reading = ExerciseSourceReader::read(folder);
        QString error = reading.error;
        if (reading.source && ExerciseWriter::write(*reading.source, output, &error))
            continue;
        say(stderr, error);
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
