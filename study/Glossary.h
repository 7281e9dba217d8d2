// The glossary's terms: read from the glossary file, sorted as German dictionaries
// sort, searched without regard to case and umlauts.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace study {

struct Term {
    std::string name;
    std::string text;                  // the definition, one paragraph
    std::vector<std::string> seeAlso;  // names of related terms
    std::vector<std::string> windows;  // class names of the windows that show it
};

class Glossary {
public:
    // Reads the file format ("= Begriff", definition lines, "siehe:", "ansehen:"); what
    // is wrong with it (a link to no term, a name twice, text outside a term) is added
    // to `problems` and left out.
    static Glossary parse(std::string_view file, std::vector<std::string>* problems = nullptr);
    // The glossary compiled into the program.
    static const Glossary& builtIn();

    // In dictionary order.
    const std::vector<Term>& terms() const { return terms_; }
    // The index of a term by its name, also written without case or umlauts; -1 if none.
    int find(std::string_view name) const;
    // The terms whose name contains the query (case and umlauts ignored; "ue" and "ü"
    // alike); every term for an empty query.
    std::vector<int> search(std::string_view query) const;
    // The terms shown in a window.
    std::vector<int> termsOfWindow(std::string_view className) const;

private:
    std::vector<Term> terms_;
    // Each name folded for the search, with umlauts as base letters and as "ae" (made once).
    std::vector<std::pair<std::string, std::string>> folded_;
};

// The key German dictionaries sort by: letters without case, ä as a, ö as o, ü as u,
// ß as ss (DIN 5007, variant 1); equal keys keep the word without umlaut first.
std::string sortKey(std::string_view utf8);
bool dictionaryLess(std::string_view a, std::string_view b);
// Lower case with umlauts as their base letters (or, with `asE`, as "ae", "oe", "ue").
std::string foldForSearch(std::string_view utf8, bool asE);

}  // namespace study
