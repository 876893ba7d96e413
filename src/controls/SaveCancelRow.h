#pragma once

class QHBoxLayout;
class QPushButton;

// An editor's "Save" and "Cancel" buttons, named "Done" and "Cancel", at the
// right of their row; neither takes Enter as the default.
QHBoxLayout* SaveCancelRow(QPushButton*& done, QPushButton*& cancel);
