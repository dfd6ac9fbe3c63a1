#include "Cli.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <optional>
#include <ostream>

#include "CliExport.h"
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
    "                      [--out FICHIER.vbg] [--timeout SECONDES] [--count K]\n"
    "                      [EXPORTS]\n"
    "      calcule une grille de N x N cases (N pair, de 6 à 20) de qualité Q (0 à 3)\n"
    "      et l'affiche avec ses définitions ; --out FICHIER.vbg l'enregistre ;\n"
    "      --timeout arrête le calcul après SECONDES secondes (120 par défaut,\n"
    "      0 pour ne jamais l'arrêter) ; --count K calcule K grilles (graines S,\n"
    "      S+1...) dans des fichiers numérotés, et un seul PDF de toutes les grilles.\n"
    "  verbal-cli show FICHIER.vbg\n"
    "      affiche une grille enregistrée : la grille du joueur, la solution et les\n"
    "      définitions.\n"
    "  verbal-cli export FICHIER.vbg EXPORTS\n"
    "      écrit une grille enregistrée en PDF, en SVG ou au format ipuz.\n"
    "EXPORTS :\n"
    "  --pdf SORTIE.pdf    la page imprimable (A4, ou Letter selon la langue)\n"
    "  --svg SORTIE.svg    la même page en image vectorielle\n"
    "  --ipuz SORTIE.ipuz  la grille au format ouvert ipuz\n"
    "  --solution          la solution sur une page à part\n"
    "  --solution-foot     la solution en petit au pied de la page\n"
    "  --player            les lettres du joueur dans la grille imprimée\n";

// A club's or a class's batch, not a dictionary's worth.
constexpr int kMaxCount = 500;

const char* const kQualityNames[] = {"Mauvaise", "Moyenne", "Bonne", "Très bonne"};

struct GenerateOptions {
    int size = 10;
    int quality = 1;
    std::string dict;
    std::optional<std::int64_t> seed;
    std::string out;
    int timeout = 120;  // seconds; 0 for none
    int count = 1;
    ExportRequest exports;
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

// The export options shared by "generate" and "export", at args[i]: 1 when
// taken (|i| then on its last word), 0 when |args[i]| is not one of them, -1
// after a French message.
int ParseExportOption(const std::vector<std::string>& args, std::size_t& i,
                      ExportRequest& request, std::ostream& err) {
    const std::string& name = args[i];
    if (name == "--solution") {
        request.solutionPage = true;
        return 1;
    }
    if (name == "--solution-foot") {
        request.solutionFoot = true;
        return 1;
    }
    if (name == "--player") {
        request.playerLetters = true;
        return 1;
    }
    ExportRequest::Target* target = name == "--pdf"    ? &request.pdf
                                    : name == "--svg"  ? &request.svg
                                    : name == "--ipuz" ? &request.ipuz
                                                       : nullptr;
    if (!target) return 0;
    if (i + 1 >= args.size()) {
        err << "Option " << name << " sans valeur.\n" << kUsage;
        return -1;
    }
    const std::string& value = args[++i];
    if (value.empty()) {
        err << "Option " << name << " : le nom du fichier est vide.\n";
        return -1;
    }
    target->stored = value;
    target->shown = value;
    return 1;
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
        const int taken = ParseExportOption(args, i, options.exports, err);
        if (taken < 0) return false;
        if (taken > 0) continue;
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
        } else if (name == "--count") {
            if (!ParseInt(value, 1, kMaxCount, number)) {
                err << "Nombre de grilles invalide : " << Printable(value) << " (de 1 à "
                    << kMaxCount << ").\n";
                return false;
            }
            options.count = static_cast<int>(number);
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

// Computes one grid with |seed|; false when none was found (and said so).
bool ComputeOne(CVerbalineDoc& doc, ConsoleHost& host, const CNewGridData& choice,
                const GenerateOptions& options, std::chrono::milliseconds& elapsed,
                std::ostream& err) {
    doc.OnNewDocument();
    CDocumentSettings silent;
    for (auto& sound : silent.m_strSound) sound = "Aucun";
    doc.TakeSettings(silent);
    if (options.timeout > 0) host.SetTimeLimit(std::chrono::seconds(options.timeout));
    const auto start = std::chrono::steady_clock::now();
    doc.Compute(choice);
    elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    if (doc.GridReady()) return true;
    if (host.TimedOut())
        err << "Calcul arrêté : aucune grille trouvée en " << options.timeout
            << (options.timeout > 1 ? " secondes" : " seconde") << " (voir --timeout).\n";
    else if (doc.DictionaryOpened() && host.MessagesShown() == 0)
        err << "Calcul interrompu : aucune grille.\n";
    return false;
}

int Generate(const std::vector<std::string>& args, const std::string& installDir,
             std::ostream& out, std::ostream& err) {
    GenerateOptions options;
    if (!ParseGenerate(args, options, err)) return 2;
    if (options.dict.empty()) options.dict = installDir + "/Standard.lex";

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

    ConsoleHost host(err);
    auto doc = std::make_unique<CVerbalineDoc>(&host);
    ConsoleHost::InstallInterruptHandler();
    // A batch takes the seeds S, S + 1 ...: the same command gives the same
    // grids again, and a club can hand out grid 7 of last week's batch.
    const std::int64_t firstSeed =
        options.seed ? *options.seed : static_cast<std::int64_t>(std::time(nullptr));
    const bool batch = options.count > 1;
    Exporter exporter(options.exports, options.count);
    std::vector<std::pair<std::string, std::vector<char>>> grids;  // kept until all are found
    for (int number = 1; number <= options.count; ++number) {
        if (batch || options.seed) host.SetSeed(firstSeed + number - 1);
        if (batch)
            out << (number > 1 ? "\n" : "") << "Grille " << number << " sur " << options.count
                << " (graine " << firstSeed + number - 1 << ")\n";
        std::chrono::milliseconds elapsed{};
        if (!ComputeOne(*doc, host, choice, options, elapsed, err)) return 1;
        for (const std::string& row : SolutionRows(*doc)) out << row << "\n";
        PrintClues(*doc, out);
        if (options.exports.Any() && !exporter.Add(*doc, number, err)) return 1;
        if (!options.out.empty()) {
            if (batch)
                grids.emplace_back(NumberedPath(options.out, number, options.count),
                                   doc->WriteGridBytes());
            else if (!doc->SaveGrid(options.out))
                return 1;
        }
        out << elapsed.count() << " ms, " << doc->SearchStats().columnChecks
            << " tests de colonnes, " << doc->SearchStats().rowsFilled << " lignes remplies, "
            << doc->CountBlackSquares() << " cases noires\n";
    }
    // A batch's grid files are written once every grid is found: a stopped
    // batch leaves none behind.
    for (const auto& [path, bytes] : grids) {
        const int error = WriteFileAtomically(path, bytes);
        if (error != 0) {
            err << "La grille « " << Printable(path)
                << " » n'a pas pu être enregistrée : " << Cp1252ToUtf8(FrenchErrorText(error))
                << ".\n";
            return 1;
        }
    }
    if (options.exports.Any() && !exporter.Write(out, err)) return 1;
    return host.MessagesShown() == 0 ? 0 : 1;
}

// Writes a saved grid as PDF, SVG or ipuz.
int Export(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2 || args[1].compare(0, 2, "--") == 0) {
        err << "Quelle grille exporter ? Donnez le fichier .vbg avant les options.\n" << kUsage;
        return 2;
    }
    ExportRequest request;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const int taken = ParseExportOption(args, i, request, err);
        if (taken < 0) return 2;
        if (taken == 0) {
            err << (args[i].compare(0, 2, "--") == 0 ? "Option inconnue : " : "Argument inattendu : ")
                << Printable(args[i]) << "\n" << kUsage;
            return 2;
        }
    }
    if (!request.Any()) {
        err << "Rien à exporter : donnez --pdf, --svg ou --ipuz.\n" << kUsage;
        return 2;
    }
    ConsoleHost host(err);
    auto doc = std::make_unique<CVerbalineDoc>(&host);
    doc->OnNewDocument();
    if (!doc->OpenGrid(args[1])) return 1;
    Exporter exporter(request, 1);
    if (!exporter.Add(*doc, 1, err) || !exporter.Write(out, err)) return 1;
    return 0;
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
    } else if (args[0] == "export") {
        status = Export(args, out, err);
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
