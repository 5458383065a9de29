#pragma once

#include "search/SearchResultWindow.h"

// The search results of the guest register; its search buttons act on frmtamu.
class frminfo : public SearchResultWindow
{
    Q_OBJECT

public:
    explicit frminfo(QWidget *parent = nullptr);
};
