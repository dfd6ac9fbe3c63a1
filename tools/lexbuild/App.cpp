#include "App.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "Builder.h"
#include "FileIo.h"
#include "Hunspell.h"
#include "Lists.h"
#include "Output.h"
#include "Text.h"
#include "Thesaurus.h"

namespace lexbuild {
namespace {

const char* const kUsage =
    "Utilisation :\n"
    "  lexbuild --aff fr.aff --dic fr.dic --thesaurus thes_fr.dat --frequent mots.txt\n"
    "           --lists DOSSIER --out DOSSIER [--pins FICHIER] [--max-words N]\n"
    "           [--sample N] [--seed TEXTE] [--dump FICHIER] [--forms FICHIER]\n"
    "           [--review-pairs FICHIER]\n"
    "  Écrit Standard.lex, Standard.dex et Standard.stats.txt dans le dossier --out.\n"
    "  --sample N affiche N mots tirés au hasard (toujours les mêmes pour un même --seed)\n"
    "  avec leur définition ;\n"
    "  --dump écrit tous les mots candidats avec leur définition, leur rang et leur note ;\n"
    "  --forms écrit toutes les formes du dictionnaire Hunspell avec leur analyse ;\n"
    "  --review-pairs essaie aussi les appariements du thésaurus non relus et les écrit,\n"
    "  avec des exemples, pour les faire relire (paires.txt).\n";

// The inputs are a few megabytes; this only keeps a wrong path (a device,
// a huge file) from being read whole.
constexpr std::size_t kMaxInputBytes = std::size_t{1} << 30;

bool ReadFile(const std::string& path, std::string& text) {
    std::vector<char> bytes;
    std::size_t size = 0;
    if (verbal::ReadNativeFile(path, kMaxInputBytes, bytes, size) != verbal::ReadResult::Ok)
        return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::map<std::string, std::string> opt;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) != 0 || i + 1 >= args.size()) {
            err << "Argument incompris : " << args[i] << "\n" << kUsage;
            return 2;
        }
        opt[args[i]] = args[i + 1];
        ++i;
    }
    for (const char* need : {"--aff", "--dic", "--thesaurus", "--frequent", "--lists", "--out"}) {
        if (!opt.count(need)) {
            err << "Il manque l'option " << need << ".\n" << kUsage;
            return 2;
        }
    }
    std::string aff, dic, thes, freq, pins;
    for (auto [name, text] : {std::pair<const char*, std::string*>{"--aff", &aff}, {"--dic", &dic},
                              {"--thesaurus", &thes}, {"--frequent", &freq}}) {
        if (!ReadFile(opt[name], *text)) {
            err << "Impossible de lire " << opt[name] << " (" << name << ").\n";
            return 1;
        }
    }
    if (opt.count("--pins") && !ReadFile(opt["--pins"], pins)) {
        err << "Impossible de lire " << opt["--pins"] << " (--pins).\n";
        return 1;
    }

    std::string error;
    Hunspell hunspell;
    if (!hunspell.Load(aff, dic, error)) {
        err << "Hunspell : " << error << ".\n";
        return 1;
    }
    Thesaurus thesaurus;
    if (!thesaurus.Load(thes, error)) {
        err << "Thésaurus : " << error << ".\n";
        return 1;
    }
    std::set<std::string> frequent;
    {
        std::istringstream in(freq);
        std::string line;
        while (std::getline(in, line)) {
            // Words met in capitals (titles, headings) count as well.
            line = Lower(Trim(line));
            if (IsLowerFrenchWord(line)) frequent.insert(line);
        }
    }
    HandLists lists;
    if (!LoadHandLists(opt["--lists"], lists, error)) {
        err << "Listes : " << error << ".\n";
        return 1;
    }

    if (opt.count("--forms")) {
        // Every form with its analysis, for preparing lists and reviews.
        std::ostringstream all;
        const auto& entries = hunspell.Entries();
        for (const Form& f : hunspell.Forms()) {
            const Analysis& a = f.analysis;
            const Entry& e = entries[a.entry];
            all << f.surface << "\t" << e.lemma << "\t" << int(a.pos) << "\t" << int(a.gender) << "\t"
                << int(a.number) << "\t" << a.tenses << "\t" << int(a.persons) << "\t" << e.verbClass << "\t"
                << (frequent.count(f.surface) ? 1 : 0) << "\n";
        }
        WriteFile(opt["--forms"], all.str());
    }
    // Preparing a review: every pairing of the thesaurus is tried, reviewed
    // or not, and listed with a few of the clues it gives.
    if (opt.count("--review-pairs")) lists.reviewed = false;
    Builder builder({&hunspell, &thesaurus, &frequent, &lists});
    const std::vector<Chosen> candidates = builder.Candidates();
    if (opt.count("--review-pairs")) {
        std::map<std::string, std::vector<std::string>> examples;
        for (const Chosen& c : candidates) {
            if (c.tier == kTierHand || c.synonyms.empty()) continue;
            for (const std::string& syn : Split(c.synonyms, ',')) {
                std::vector<std::string>& ex = examples[c.lemma + " > " + syn + "\t" + KindName(c.kind)];
                if (ex.size() < 3) ex.push_back(c.word + " « " + c.clue + " »");
            }
        }
        std::ostringstream all;
        for (const auto& [pair, ex] : examples) {
            all << pair << "\t";
            for (std::size_t i = 0; i < ex.size(); ++i) all << (i ? " ; " : "") << ex[i];
            all << "\n";
        }
        WriteFile(opt["--review-pairs"], all.str());
    }
    if (!builder.HandFaults().empty()) {
        err << "Définitions écrites à la main à revoir (trop longues, trop proches du mot ou\n"
               "contenant un mot banni) :\n";
        for (const std::string& f : builder.HandFaults()) err << "  " << f << "\n";
        return 1;
    }
    Limits limits;
    if (opt.count("--max-words")) limits.maxWords = std::stoul(opt["--max-words"]);
    const std::vector<Chosen> chosen = builder.Select(candidates, limits);
    if (opt.count("--dump")) {
        std::ostringstream all;
        for (const Chosen& c : candidates)
            all << c.word << "\t" << c.clue << "\t" << c.source << "\t" << c.tier << "\t" << c.score << "\t"
                << c.lemma << "\t" << c.synonyms << "\n";
        WriteFile(opt["--dump"], all.str());
    }

    const std::string lex = LexText(chosen);
    const std::string dex = DexText(chosen);
    const std::vector<std::string> faults = CheckTexts(lex, dex);
    if (!faults.empty()) {
        err << "Fichiers refusés :\n";
        for (const std::string& f : faults) err << "  " << f << "\n";
        return 1;
    }
    const std::string dir = opt["--out"];
    const std::string stats = StatsText(chosen, lex.size(), dex.size(), pins);
    if (!WriteFile(dir + "/Standard.lex", ScrambledCopy(lex)) ||
        !WriteFile(dir + "/Standard.dex", ScrambledCopy(dex)) ||
        !WriteFile(dir + "/Standard.stats.txt", stats)) {
        err << "Impossible d'écrire dans " << dir << ".\n";
        return 1;
    }
    out << "Écrits dans " << dir << " : " << chosen.size() << " entrées, " << lex.size()
        << " octets de dictionnaire, " << dex.size() << " octets de définitions.\n";

    if (opt.count("--sample")) {
        std::vector<const Chosen*> pool;
        for (const Chosen& c : chosen)
            if (c.word.size() >= 2) pool.push_back(&c);
        const std::string seed = opt.count("--seed") ? opt["--seed"] : "echantillon";
        std::stable_sort(pool.begin(), pool.end(), [&seed](const Chosen* a, const Chosen* b) {
            return Hash(seed + a->word) < Hash(seed + b->word);
        });
        const std::size_t n = std::min<std::size_t>(std::stoul(opt["--sample"]), pool.size());
        for (std::size_t i = 0; i < n; ++i)
            out << pool[i]->word << "\t" << pool[i]->clue << "\t" << pool[i]->source << "\t"
                << pool[i]->tier << "\n";
    }
    return 0;
}

}  // namespace lexbuild
