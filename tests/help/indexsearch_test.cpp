#include "help/indexsearch.h"
#include "qstringprinter.h"

#include <gtest/gtest.h>

using namespace dosarium;

struct SearchCase {
    const char* keyword;
    const char* query;
    bool matches;
};

class IndexSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(IndexSearch, MatchesWordStartsIgnoringCaseAndAccents)
{
    const SearchCase& c = GetParam();
    EXPECT_EQ(indexKeywordMatches(QString::fromUtf8(c.keyword), QString::fromUtf8(c.query)),
              c.matches)
        << c.keyword << " / " << c.query;
}

INSTANTIATE_TEST_SUITE_P(Cases, IndexSearch,
                         testing::Values(SearchCase{"Éprouvette graduée", "", true},
                                         SearchCase{"Éprouvette graduée", "   ", true},
                                         SearchCase{"Éprouvette graduée", "eprouv", true},
                                         SearchCase{"Éprouvette graduée", "GRADUEE", true},
                                         SearchCase{"Éprouvette graduée", "grad ép", true},
                                         SearchCase{"Éprouvette graduée", "rouvette", false},
                                         SearchCase{"Éprouvette graduée", "pipette", false},
                                         SearchCase{"Pipette jaugée", "pipette grad", false},
                                         SearchCase{"L'œil et le ménisque", "oeil", true},
                                         SearchCase{"Solubilité", "solubilite!", true},
                                         SearchCase{"F1 (touche)", "f1", true}));

TEST(IndexSearch, FoldingRemovesAccentsCaseAndExtraSpaces)
{
    EXPECT_EQ(foldForSearch(QString::fromUtf8("  Œuvre  À  Bécher ")), "oeuvre a becher");
}
