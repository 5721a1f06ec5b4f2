#pragma once
// A model of the main window's controls without widgets: what each edit box, list, check box and
// spinner holds. The window binds its widgets to it; the command line and the tests use it
// directly. Texts are Windows-1252.
#include "Color.h"
#include "Convert.h"
#include "Font.h"

#include <algorithm>
#include <string>
#include <vector>

inline constexpr TColor ReadOnlyBoxColor = clSilver; // red, green and blue C0 hexadecimal

struct TEditControl {
    std::string Text;
    bool ReadOnly = false;
    TColor Color = clWindow;
    TFont Font{"Arial", -11, 0, 0 /*ANSI_CHARSET*/, clWindowText};
};

struct TListControl {
    std::vector<std::string> Items;
    int ItemIndex = -1; // -1: nothing selected

    // A position that names no entry selects nothing, as the toolkit's lists do.
    void SetItemIndex(int index) {
        ItemIndex = index >= 0 && index < int(Items.size()) ? index : -1;
    }
    int IndexOf(const std::string& item) const {
        const auto it = std::find(Items.begin(), Items.end(), item);
        return it == Items.end() ? -1 : int(it - Items.begin());
    }
};

struct TCheckControl {
    bool Checked = false;
};

// An up-down spinner; the controls model binds each to its edit box.
struct TUpDownControl {
    int Min = 0;
    int Max = 100;
    int Position = 0;
};

class TJobControls {
public:
    TJobControls(); // the window's initial values

    // A spinner's position, held within its range, also becomes the text of its box.
    void SetLengthPosition(int position) { SetSpinner(lenUpDown, length, position); }
    void SetBarHeightPosition(int position) { SetSpinner(heightUpDown, barHeight, position); }

    // Barcode Setting
    TEditControl barcodeText; // its font is the font of the symbol's text
    TEditControl value;
    TEditControl increment;
    TEditControl length; // read-only, changed through lenUpDown
    TUpDownControl lenUpDown;
    TEditControl barHeight;
    TUpDownControl heightUpDown;
    TCheckControl displayText;
    TListControl codeFormat;
    TEditControl horizontal;
    TEditControl vertical;
    // Text Setting
    TEditControl string1, string1H, string1V;
    TEditControl string2, string2H, string2V;
    TEditControl string3, string3H, string3V;
    // Page Setup
    TListControl pageSize;
    TEditControl pageHeight;
    TEditControl pageWidth;
    TEditControl pageNo;
    TEditControl topMargin, bottomMargin, leftMargin, rightMargin;
    // Cell Setting
    TEditControl cellHeight, cellWidth;
    TEditControl col, row;
    TCheckControl printBarcode;
    TCheckControl printString;
    // The installed printers in the system's order, the selected one chosen.
    TListControl printer;

private:
    static void SetSpinner(TUpDownControl& spinner, TEditControl& box, int position) {
        spinner.Position = std::clamp(position, spinner.Min, spinner.Max);
        box.Text = IntToStr(spinner.Position);
    }
};
