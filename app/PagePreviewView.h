#pragma once
// The page preview on the screen: the preview's first page drawn at its zoom (100 % is the page
// at 96 pixels to the inch) on a grey desk, scrollable when it is larger than the view.
#include "PageModel.h"

#include <QScrollArea>

#include <optional>

class TPagePreview;

class TPagePreviewView : public QScrollArea {
    Q_OBJECT
public:
    explicit TPagePreviewView(TPagePreview& preview, QWidget* parent = nullptr);

    // Takes the preview's current page size, zoom and content. While a composition is under way
    // the content shown stays the last finished one: a print run that keeps the window alive
    // (its progress) must not show pages half composed.
    void Refresh();
    // The page content on the screen; none before the first one is finished.
    const std::optional<TPage>& ShownPage() const { return shown_; }

    // The widget that shows the page, and where on it the page's top-left corner lies.
    QWidget* Sheet() const { return widget(); }
    static constexpr int DeskMargin = 8;
    // The page's size on the screen at the current zoom.
    QSize PageSizeOnScreen() const;

private:
    TPagePreview& preview_;
    std::optional<TPage> shown_;
};
