#pragma once

class QWidget;

// What a Designer form cannot say by itself, kept in it as dynamic properties:
// fractional point sizes ("pointSizeF") and a tree view's column widths
// ("columnWidths", pixels separated by commas), once its model is set.
void applyFormLook(QWidget &form);
