#include "Cli.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <ostream>

#include "Codepage.h"
#include "ConsoleHost.h"
#include "FileIo.h"
#include "GridText.h"
#include "VerbalineDoc.h"

namespace verbal::cli {
namespace {

const char* const kUsage =
    "Utilisation :\n"
    "  verbal-cli generate --size N --quality Q [--dict FICHIER.lex] [--seed S]\n"
    "                      [--out FICHIER.vbg] [--timeout SECONDES]\n"
    "      calcule une grille de N x N cases (N pair, de 6 à 20) de qualité Q (0 à 3)\n"
    "      et l'affiche avec ses définitions ; --out FICHIER.vbg l'enregistre ;\n"
    "      --timeout arrête le calcul après SECONDES secondes (120 par défaut,\n"
    "      0 pour ne jamais l'arrêter).\n"
    "  verbal-cli show FICHIER.vbg\n"
    "      affiche une grille enregistrée : la grille du joueur, la solution et les\n"
    "      définitions.\n";

const char* const kQualityNames[] = {"Mauvaise", "Moyenne", "Bonne", "Très bonne"};

struct GenerateOptions {
    int size = 10;
    int quality = 1;
    std::string dict;
    std::optional<std::int64_t> seed;
    std::string out;
    int timeout = 120;  // seconds; 0 for none
};

// Digits only: no sign, no blank, nothing after.
bool ParseInt(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty() || text.size() > 18) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    std::size_t used = 0;
    try {
        value = std::stoll(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size() && value >= low && value <= high;
}

// Parses the options of "generate"; on error writes a French message.
bool ParseGenerate(const std::vector<std::string>& args, GenerateOptions& options,
                   std::ostream& err) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name.compare(0, 2, "--") != 0) {
            err << "Argument inattendu : " << Printable(name) << "\n" << kUsage;
            return false;
        }
        if (i + 1 >= args.size()) {
            err << "Option " << name << " sans valeur.\n" << kUsage;
            return false;
        }
        const std::string& value = args[++i];
        long long number = 0;
        if (name == "--size") {
            if (!ParseInt(value, 6, 20, number) || number % 2 != 0) {
                err << "Taille invalide : " << Printable(value) << " (un nombre pair de 6 à 20).\n";
                return false;
            }
            options.size = static_cast<int>(number);
        } else if (name == "--quality") {
            if (!ParseInt(value, 0, 3, number)) {
                err << "Qualité invalide : " << Printable(value) << " (de 0 à 3).\n";
                return false;
            }
            options.quality = static_cast<int>(number);
        } else if (name == "--dict") {
            options.dict = value;
        } else if (name == "--out") {
            options.out = value;
        } else if (name == "--seed") {
            if (!ParseInt(value, 0, 4294967295LL, number)) {
                err << "Graine invalide : " << Printable(value) << " (un entier de 0 à 4294967295).\n";
                return false;
            }
            options.seed = number;
        } else if (name == "--timeout") {
            if (!ParseInt(value, 0, 86400, number)) {
                err << "Délai invalide : " << Printable(value)
                    << " (un nombre de secondes de 0 à 86400, 0 pour aucun délai).\n";
                return false;
            }
            options.timeout = static_cast<int>(number);
        } else {
            err << "Option inconnue : " << Printable(name) << "\n" << kUsage;
            return false;
        }
    }
    return true;
}

void PrintClues(const CVerbalineDoc& doc, std::ostream& out) {
    const int n = doc.GridSize();
    out << "Horizontalement\n";
    for (int r = 1; r <= n; ++r)
        for (const LineWord& word : doc.Words(Direction::Across, r))
            out << "  Ligne " << r << ", mot " << word.number << " (" << word.word << ") : "
                << Printable(Cp1252ToUtf8(doc.Clue(Direction::Across, r, word.number))) << "\n";
    out << "Verticalement\n";
    for (int c = 1; c <= n; ++c)
        for (const LineWord& word : doc.Words(Direction::Down, c))
            out << "  Colonne " << c << ", mot " << word.number << " (" << word.word << ") : "
                << Printable(Cp1252ToUtf8(doc.Clue(Direction::Down, c, word.number))) << "\n";
}

int Generate(const std::vector<std::string>& args, const std::string& installDir,
             std::ostream& out, std::ostream& err) {
    GenerateOptions options;
    if (!ParseGenerate(args, options, err)) return 2;
    if (options.dict.empty()) options.dict = installDir + "/Standard.lex";

    ConsoleHost host(err);
    host.SetSeed(options.seed);
    auto doc = std::make_unique<CVerbalineDoc>(&host);
    doc->OnNewDocument();
    CDocumentSettings silent;
    for (auto& sound : silent.m_strSound) sound = "Aucun";
    doc->TakeSettings(silent);

    // What the new-grid dialog would hand the document.
    // Files are opened and written by the names given (the file system's);
    // only the dictionary's name goes into the grid file, which keeps
    // Windows-1252.
    CNewGridData choice;
    choice.m_strDictPath = options.dict;
    choice.m_strDefsPath = choice.MakeDefsPath();
    choice.MakeDictName();
    choice.m_nGridLast = options.size - 1;
    choice.m_nQuality = options.quality;
    std::string problem = text::DictionaryNameProblem(choice.m_strDictPath);
    if (problem.empty()) problem = text::DefinitionsFileProblem(choice.m_strDefsPath);
    if (!problem.empty()) {
        err << Printable(Cp1252ToUtf8(problem));
        if (problem == text::kNoDefinitionsFile)
            err << " (" << Printable(choice.m_strDefsPath) << ")";
        else if (problem == text::DictionaryNameProblem(choice.m_strDictPath))
            err << " (" << Printable(choice.m_strDictPath) << ")";
        err << "\n";
        return 1;
    }

    ConsoleHost::InstallInterruptHandler();
    if (options.timeout > 0)
        host.SetTimeLimit(std::chrono::seconds(options.timeout));
    const auto start = std::chrono::steady_clock::now();
    doc->Compute(choice);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    if (!doc->GridReady()) {
        if (host.TimedOut())
            err << "Calcul arrêté : aucune grille trouvée en " << options.timeout
                << (options.timeout > 1 ? " secondes" : " seconde")
                << " (voir --timeout).\n";
        else if (doc->DictionaryOpened() && host.MessagesShown() == 0)
            err << "Calcul interrompu : aucune grille.\n";
        return 1;
    }

    for (const std::string& row : SolutionRows(*doc)) out << row << "\n";
    PrintClues(*doc, out);
    if (!options.out.empty() && !doc->SaveGrid(options.out)) return 1;
    out << elapsed.count() << " ms, " << doc->SearchStats().columnChecks << " tests de colonnes, "
        << doc->SearchStats().rowsFilled << " lignes remplies, " << doc->CountBlackSquares()
        << " cases noires\n";
    return host.MessagesShown() == 0 ? 0 : 1;
}

int Show(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << kUsage;
        return 2;
    }
    ConsoleHost host(err);
    auto doc = std::make_unique<CVerbalineDoc>(&host);
    doc->OnNewDocument();
    if (!doc->OpenGrid(args[1])) return 1;

    const int n = doc->GridSize();
    const int quality = doc->Quality();
    out << "Grille de " << n << " x " << n << ", dictionnaire "
        << Printable(Cp1252ToUtf8(doc->DictName()))
        << ", qualité " << quality << " (" << kQualityNames[quality] << ")\n";
    out << "Joueur" << std::string(static_cast<std::size_t>(std::max(n - 6, 0)) + 2, ' ')
        << "Solution\n";
    const std::vector<std::string> player = PlayerRows(*doc);
    const std::vector<std::string> solution = SolutionRows(*doc);
    for (int r = 0; r < n; ++r)
        out << player[r] << std::string(static_cast<std::size_t>(std::max(6 - n, 0)) + 2, ' ')
            << solution[r] << "\n";
    out << doc->CountFilledCells() << " cases remplies, " << doc->CountWrongCells()
        << " fausses, " << (doc->CountCells() - doc->CountBlackSquares() - doc->CountFilledCells())
        << " à remplir\n";
    PrintClues(*doc, out);
    return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, const std::string& installDir, std::ostream& out,
        std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    int status = 2;
    if (args[0] == "generate") {
        status = Generate(args, installDir, out, err);
    } else if (args[0] == "show") {
        status = Show(args, out, err);
    } else if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kUsage;
        status = 0;
    } else {
        err << "Commande inconnue : " << Printable(args[0]) << "\n" << kUsage;
        return 2;
    }
    // A full disk or a closed pipe: what was asked for was not printed.
    out.flush();
    if (!out) {
        err << "Erreur d'écriture sur la sortie standard : le résultat n'a pas pu être écrit "
               "en entier.\n";
        return 1;
    }
    return status;
}

}  // namespace verbal::cli
