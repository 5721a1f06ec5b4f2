#include "JobControls.h"

#include "FormatList.h"

namespace {
TEditControl Box(const char* text) {
    TEditControl box;
    box.Text = text;
    return box;
}
TEditControl ReadOnlyBox(const char* text) {
    TEditControl box = Box(text);
    box.ReadOnly = true;
    box.Color = ReadOnlyBoxColor;
    return box;
}
TEditControl TextBox(const char* text, int height, TFontStyles style) {
    TEditControl box = Box(text);
    box.Font = TFont("Arial", height, style, ANSI_CHARSET, clWindowText);
    return box;
}
} // namespace

TJobControls::TJobControls()
    : barcodeText(TextBox("VORDA-", -11, 0)),
      value(Box("1")),
      increment(Box("1")),
      length(ReadOnlyBox("4")),
      barHeight(Box("10")),
      horizontal(Box("5")),
      vertical(Box("10")),
      string1(TextBox("Vorda Technology Co.", -12, fsBold | fsItalic)),
      string1H(Box("5")),
      string1V(Box("0")),
      string2(TextBox("Product: Barcode", -11, 0)),
      string2H(Box("5")),
      string2V(Box("3")),
      string3(TextBox("Price: HK $500", -11, fsBold)),
      string3H(Box("5")),
      string3V(Box("6")),
      pageHeight(ReadOnlyBox("297")),
      pageWidth(ReadOnlyBox("210")),
      pageNo(Box("1")),
      topMargin(Box("15")),
      bottomMargin(Box("15")),
      leftMargin(Box("10")),
      rightMargin(Box("10")),
      cellHeight(Box("27")),
      cellWidth(Box("63")),
      col(Box("3")),
      row(Box("10")) {
    lenUpDown = {0, 40, 4};
    heightUpDown = {1, 100, 10};
    displayText.Checked = true;
    printBarcode.Checked = true;
    printString.Checked = true;
    for (const auto& entry : FormatList) codeFormat.Items.push_back(entry.Caption);
    for (const auto& entry : PageSizeList) pageSize.Items.push_back(entry.Caption);
}
