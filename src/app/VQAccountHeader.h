#pragma once

#include "VQBaseView.h"

#include <QPointer>

#include <functional>

class QWidget;

// The account header as the pages below the account subsystem see it: a view to place, and the
// refresh of the account it shows. The account library provides the maker (the composition root
// hands it to the page that shows the header); a page without one leaves the header's place out.
struct VQAccountHeader {
    QPointer<VQBaseView> view;
    std::function<void()> getUserInfo;
};

// Makes the header as a child of parent.
using VQAccountHeaderFactory = std::function<VQAccountHeader(QWidget* parent)>;
