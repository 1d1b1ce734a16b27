#pragma once

#include <QString>
#include <vector>

// What applying a language file does to each window, held as data: which section it
// reads, the prefix its messages get in the message table, which kinds of entry it
// handles (and a few whole keys), and the layout step that follows.
enum class LanguageAction {
    SetCaption, // the caption of the component the key names
    SetWindowCaption, // the window's own caption
    SetMenuCaption, // a main-menu item addressed by indices
    SetPaddedCaption, // the caption with one blank before and one after it
    AddMessage, // the entry goes to the message table
    SetHint, // the hint of the target component
    SetHeaderTitle, // the bold title line of the header band
    SetHeaderComment, // the comment line under it
};

enum class LayoutStep {
    None,
    StatisticsRows, // value labels 10 px right of their caption labels
    ExerciseCheckBoxes, // the four running exercises' boxes in their column
};

struct LanguageRule {
    QString Match; // a kind, or a whole key when WholeKey is set
    bool WholeKey = false;
    LanguageAction Action = LanguageAction::SetCaption;
    QString Target; // the component a hint or header text goes to
};

struct WindowLanguageRules {
    QString WindowKey; // "form1" ...
    QString Section; // "Form1" ...
    QString MessagePrefix; // "form1_" ..., empty when the window keeps no messages
    std::vector<LanguageRule> Rules;
    LayoutStep Layout = LayoutStep::None;
};

// The rules of the window with that key; nullptr for an unknown key.
const WindowLanguageRules* RulesForWindow(const QString& windowKey);
const std::vector<WindowLanguageRules>& AllWindowLanguageRules();
