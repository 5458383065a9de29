#pragma once

#include "search/SearchResultWindow.h"

// The search results of the lodging transaction and purchase windows; its search buttons act on frmtransaksi.
class frminfo2 : public SearchResultWindow
{
    Q_OBJECT

public:
    explicit frminfo2(QWidget *parent = nullptr);
};
