// The component's properties, events, element widths, width and its errors.
#include "Barcode.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ChangeCounter {
    int changes = 0;
    TPersistent* lastSender = nullptr;
    void Attach(TBarcodeSymbol& s) {
        s.OnChange = [this](TPersistent* sender) {
            ++changes;
            lastSender = sender;
        };
    }
};

TEST(Component, NewInstanceHasTheDefaults) {
    TBarcodeSymbol s;
    EXPECT_EQ(s.GetHeight(), 0);
    EXPECT_EQ(s.GetText(), "");
    EXPECT_EQ(s.GetTop(), 0);
    EXPECT_EQ(s.GetLeft(), 0);
    EXPECT_EQ(s.GetModul(), 1);
    EXPECT_EQ(s.GetRatio(), 2.0);
    EXPECT_EQ(s.GetTyp(), bcCodeEAN13);
    EXPECT_FALSE(s.GetCheckSum());
    EXPECT_EQ(s.CheckSumMethod, csmModulo10);
    EXPECT_EQ(s.GetAngle(), 0.0);
    EXPECT_EQ(s.GetShowText(), bcoNone);
    EXPECT_EQ(s.GetShowTextPosition(), stpTopLeft);
    EXPECT_EQ(s.Color, clWhite);
    EXPECT_EQ(s.ColorBar, clBlack);
    EXPECT_EQ(s.ClassName(), "TBarcodeSymbol");
}

TEST(Component, SettersNotifyOnlyOnChange) {
    TBarcodeSymbol s;
    ChangeCounter counter;
    counter.Attach(s);
    s.SetHeight(0);
    s.SetText("");
    s.SetRatio(2.0);
    s.SetTyp(bcCodeEAN13);
    s.SetAngle(0);
    EXPECT_EQ(counter.changes, 0);
    s.SetHeight(5);
    s.SetText("x");
    s.SetTop(1);
    s.SetLeft(1);
    s.SetRatio(2.5);
    s.SetTyp(bcCode39);
    s.SetCheckSum(true);
    s.SetAngle(90);
    s.SetShowText(bcoBoth);
    s.SetShowTextPosition(stpBottomCenter);
    EXPECT_EQ(counter.changes, 10);
    EXPECT_EQ(counter.lastSender, &s);
    // Plain stores raise nothing; the font setter always notifies.
    s.Color = clBlack;
    s.CheckSumMethod = csmNone;
    s.SetShowTextFont(s.ShowTextFont());
    EXPECT_EQ(counter.changes, 11);
}

TEST(Component, SetModulTakesOneToFortyNineAndAlwaysNotifies) {
    struct Case {
        int value;
        int expectedModul;
        int expectedChanges;
    } cases[] = {{0, 1, 0}, {50, 1, 0}, {-3, 1, 0}, {1, 1, 1}, {49, 49, 1}, {7, 7, 1}};
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        ChangeCounter counter;
        counter.Attach(s);
        s.SetModul(c.value);
        EXPECT_EQ(s.GetModul(), c.expectedModul) << c.value;
        EXPECT_EQ(counter.changes, c.expectedChanges) << c.value;
    }
}

TEST(Component, MakeModulesForcesRatioAndRoundsHalvesToEven) {
    struct Case {
        TBarcodeType type;
        int modul;
        double ratio;
        double forcedRatio;
        int changes;
        std::array<int, 4> widths;
    } cases[] = {
        {bcCode128B, 1, 2.0, 2.0, 0, {1, 2, 3, 4}},
        {bcCode128B, 1, 2.5, 2.5, 0, {1, 2, 3, 4}}, // 2.5 rounds to 2
        {bcCode39, 1, 3.0, 3.0, 0, {1, 3, 4, 6}},
        {bcCode128B, 2, 2.0, 2.0, 0, {2, 4, 6, 8}},
        {bcCode128B, 3, 2.5, 2.5, 0, {3, 8, 12, 16}}, // 7.5 rounds to 8
        {bcCode39, 1, 1.5, 2.0, 1, {1, 2, 3, 4}},
        {bcCode128B, 1, 1.5, 1.5, 0, {1, 2, 3, 4}}, // not forced; 1.5 rounds to 2
        {bcCode_2_5_matrix, 1, 4.0, 3.0, 1, {1, 3, 4, 6}},
        {bcCode_2_5_matrix, 1, 2.1, 2.25, 1, {1, 2, 3, 4}},
        {bcCodeMSI, 1, 5.0, 5.0, 0, {1, 5, 7, 10}},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(c.type);
        s.SetModul(c.modul);
        s.SetRatio(c.ratio);
        ChangeCounter counter;
        counter.Attach(s);
        s.MakeModules();
        EXPECT_EQ(s.GetRatio(), c.forcedRatio) << SymbologyInfo[c.type].Name << " " << c.ratio;
        EXPECT_EQ(counter.changes, c.changes) << SymbologyInfo[c.type].Name << " " << c.ratio;
        const auto& w = s.ElementWidths();
        EXPECT_EQ((std::array<int, 4>{w[0], w[1], w[2], w[3]}), c.widths)
            << SymbologyInfo[c.type].Name << " " << c.ratio;
    }
}

TEST(Component, ElementWidthsBeyondEightBitsAreRefused) {
    // Entry 3 is twice entry 1; 2 × 63 = 126 is the last that fits a signed byte.
    struct Case {
        int modul;
        double ratio;
        bool accepted;
    } cases[] = {
        {21, 3.0, true},  // 63: entry 3 is 126
        {32, 2.0, false}, // 64: entry 3 would be 128 and wrap to -128
        {49, 3.0, false},
        {1, -1.0, false},
        {1, std::numeric_limits<double>::infinity(), false},
        {1, std::numeric_limits<double>::quiet_NaN(), false},
        {1, 0.4, true}, // rounds to 0: zero-width elements, no wrap
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(bcCode128B); // Ratio not forced
        s.SetModul(c.modul);
        s.SetRatio(c.ratio);
        if (c.accepted) {
            EXPECT_NO_THROW(s.MakeModules()) << c.modul << " " << c.ratio;
        } else {
            try {
                s.MakeModules();
                ADD_FAILURE() << "no error for " << c.modul << " " << c.ratio;
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "TBarcodeSymbol: Modul and Ratio give element widths "
                                       "outside 0 to 127");
            }
        }
    }
}

TEST(Component, OneBarPropsCoversTheAlphabet) {
    TBarcodeSymbol s;
    s.SetModul(3);
    s.SetRatio(2.5);
    s.MakeModules(); // 3, 8, 12, 16
    struct Case {
        char code;
        int width;
        TBarLineType type;
    } cases[] = {{'0', 3, white},  {'1', 8, white},       {'2', 12, white},      {'3', 16, white},
                 {'5', 3, black},  {'6', 8, black},       {'7', 12, black},      {'8', 16, black},
                 {'A', 3, black_half}, {'B', 8, black_half}, {'C', 12, black_half},
                 {'D', 16, black_half}};
    for (const auto& c : cases) {
        int w = -1;
        TBarLineType t = white;
        s.OneBarProps(c.code, w, t);
        EXPECT_EQ(w, c.width) << c.code;
        EXPECT_EQ(t, c.type) << c.code;
    }
    for (char bad : {'4', '9', 'E', 'a', ' ', '\0'}) {
        int w;
        TBarLineType t;
        try {
            s.OneBarProps(bad, w, t);
            ADD_FAILURE() << "no error for " << int(bad);
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "TBarcodeSymbol: internal Error");
        }
    }
}

TEST(Component, NumericTypesTrimTheTextWithoutNotifying) {
    TBarcodeSymbol s;
    s.SetTyp(bcCodeEAN13);
    s.SetText(" 0123 ");
    ChangeCounter counter;
    counter.Attach(s);
    s.MakeData();
    EXPECT_EQ(s.GetText(), "0123");
    EXPECT_EQ(counter.changes, 0);

    s.SetText("\t\n12\x01");
    s.MakeData();
    EXPECT_EQ(s.GetText(), "12");
}

TEST(Component, NumericOnlyTypesRefuseOtherCharacters) {
    struct Case {
        TBarcodeType type;
        std::string text;
        bool numericError;
    } cases[] = {
        {bcCodeEAN13, "12A4", true},
        {bcCode39, "12A4", false},
        {bcCodeEAN13, "", false}, // an empty text passes and reaches the encoder
        {bcCode128C, "1 2", true},
        {bcCodeMSI, "-1", true},
        {bcCodePostNet, "12\x80", true},
        {bcCode_2_5_interleaved, "1234", false},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(c.type);
        s.SetText(c.text);
        if (c.numericError) {
            try {
                s.MakeData();
                ADD_FAILURE() << "no error for " << c.text;
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "Barcode must be numeric");
            }
        } else {
            EXPECT_NO_THROW(s.MakeData()) << c.text;
        }
    }
}

TEST(Component, UnknownTypeIsRefused) {
    TBarcodeSymbol s;
    s.SetTyp(static_cast<TBarcodeType>(23));
    try {
        s.MakeData();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "TBarcodeSymbol: wrong BarcodeType");
    }
    EXPECT_EQ(s.GetTypText(), "");
    EXPECT_FALSE(s.IsNumberOnly());
}

TEST(Component, WidthIsTheSumOfTheElementWidths) {
    TBarcodeSymbol s;
    s.SetTyp(bcCodeEAN13);
    s.SetText("590123412345");
    s.SetCheckSum(true);
    EXPECT_EQ(s.GetWidth(), 95);
    s.SetModul(2);
    EXPECT_EQ(s.GetWidth(), 190);
    s.SetTyp(bcCode128B);
    s.SetModul(1);
    s.SetText("A");
    EXPECT_EQ(s.GetWidth(), 46); // start, A, check: 11 modules each; stop 13
}

TEST(Component, SetWidthPicksModul) {
    struct Case {
        int wanted;
        int modul;
        int changes;
    } cases[] = {
        {200, 2, 1}, // 200 div 95
        {50, 1, 0},  // 0: ignored by SetModul
        {95, 1, 1},  // the same Modul again notifies
        {10000, 1, 0}, // 105 is beyond 49: ignored
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(bcCodeEAN13);
        s.SetText("123456789012");
        s.SetCheckSum(true);
        ChangeCounter counter;
        counter.Attach(s);
        s.SetWidth(c.wanted);
        EXPECT_EQ(s.GetModul(), c.modul) << c.wanted;
        EXPECT_EQ(counter.changes, c.changes) << c.wanted;
    }
}

TEST(Component, AssignCopiesStateButNotFontPositionOrWidths) {
    TBarcodeSymbol source;
    source.SetHeight(40);
    source.SetText("ABC");
    source.SetTop(3);
    source.SetLeft(4);
    source.SetModul(2);
    source.SetRatio(2.5);
    source.SetTyp(bcCode39);
    source.SetCheckSum(true);
    source.SetShowText(bcoBoth);
    source.SetAngle(90);
    source.Color = clBlack;
    source.ColorBar = clWhite;
    source.CheckSumMethod = csmNone;
    int calls = 0;
    source.OnChange = [&calls](TPersistent*) { ++calls; };
    source.ShowTextFont().Name = "Arial";
    source.SetShowTextPosition(stpBottomCenter);
    calls = 0;

    TBarcodeSymbol target;
    target.Assign(source);
    EXPECT_EQ(target.GetHeight(), 40);
    EXPECT_EQ(target.GetText(), "ABC");
    EXPECT_EQ(target.GetTop(), 3);
    EXPECT_EQ(target.GetLeft(), 4);
    EXPECT_EQ(target.GetModul(), 2);
    EXPECT_EQ(target.GetRatio(), 2.5);
    EXPECT_EQ(target.GetTyp(), bcCode39);
    EXPECT_TRUE(target.GetCheckSum());
    EXPECT_EQ(target.GetShowText(), bcoBoth);
    EXPECT_EQ(target.GetAngle(), 90);
    EXPECT_EQ(target.Color, clBlack);
    EXPECT_EQ(target.ColorBar, clWhite);
    EXPECT_EQ(target.CheckSumMethod, csmNone);
    EXPECT_EQ(calls, 0); // plain stores: no notification
    EXPECT_EQ(target.ShowTextFont().Name, "MS Sans Serif");
    EXPECT_EQ(target.GetShowTextPosition(), stpTopLeft);
    target.SetHeight(1);
    EXPECT_EQ(calls, 1); // the handler came along

    // Any other source changes nothing and raises nothing.
    TBarcodeSymbol untouched;
    TComponent other(nullptr);
    EXPECT_NO_THROW(untouched.Assign(other));
    EXPECT_EQ(untouched.GetTyp(), bcCodeEAN13);
    EXPECT_EQ(untouched.GetModul(), 1);
}

TEST(Component, OwnerDestroysTheComponent) {
    auto* owner = new TComponent(nullptr);
    auto* symbol = new TBarcodeSymbol(owner);
    EXPECT_EQ(symbol->GetOwner(), owner);
    std::unique_ptr<TBarcodeSymbol> copy(symbol->Create(nullptr));
    EXPECT_EQ(copy->ClassName(), "TBarcodeSymbol");
    delete owner; // frees symbol as well; the sanitizer build reports a leak or double free
}

TEST(Component, TypeTextAndNumericFlagComeFromTheTable) {
    TBarcodeSymbol s;
    for (int t = 0; t < BarcodeTypeCount; ++t) {
        s.SetTyp(static_cast<TBarcodeType>(t));
        EXPECT_EQ(s.GetTypText(), SymbologyInfo[t].Name);
        EXPECT_EQ(s.IsNumberOnly(), SymbologyInfo[t].NumericOnly);
    }
    EXPECT_STREQ(SymbologyInfo[bcCodeCodabar].Name, "Codebar");
    EXPECT_STREQ(SymbologyInfo[bcCodeUPC_Supp5].Name, "UPC Supp5");
    EXPECT_STREQ(SymbologyInfo[bcCode_2_5_interleaved].Name, "2_5_interleaved");
}

} // namespace
