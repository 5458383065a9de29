#pragma once

class QMainWindow;

// "Ekspor ke Excel...": asks for a file name and writes the books as a
// workbook, with a progress bar in the window that asked.
class WorkbookExportAction
{
public:
    static void run(QMainWindow *window);
};
