#include "i18n/WindowLanguageRules.h"

namespace {

LanguageRule Kind(const char* kind, LanguageAction action)
{
    return LanguageRule { QString::fromLatin1(kind), false, action, {} };
}

LanguageRule Key(const char* key, LanguageAction action, const char* target = "")
{
    return LanguageRule { QString::fromLatin1(key), true, action, QString::fromLatin1(target) };
}

std::vector<WindowLanguageRules> MakeRules()
{
    using A = LanguageAction;
    return {
        { "form1", "Form1", "form1_",
            { Kind("Label", A::SetCaption), Kind("LMDSpeedButton", A::SetCaption), Kind("XPPanel", A::SetCaption),
                Kind("MainMenu", A::SetMenuCaption), Kind("message", A::AddMessage),
                Key("message_button_delete_hint", A::SetHint, "LMDSpeedButton1"),
                Key("message_button_next_hint", A::SetHint, "LMDSpeedButton2"),
                Key("message_button_last_hint", A::SetHint, "LMDSpeedButton4"),
                Key("message_button_learn_hint", A::SetHint, "LMDSpeedButton3"),
                Key("message_button_edit_hint", A::SetHint, "LMDSpeedButton_edit") },
            LayoutStep::None },
        { "form2", "Form2", "form2_",
            { Kind("Form", A::SetWindowCaption), Kind("Label", A::SetCaption), Kind("RadioButton", A::SetCaption),
                Kind("message", A::AddMessage) },
            LayoutStep::StatisticsRows },
        { "form3", "Form3", "", { Kind("Form", A::SetWindowCaption) }, LayoutStep::None },
        { "form4", "Form4", "form4_",
            { Kind("Label", A::SetCaption), Kind("Button", A::SetCaption), Kind("LMDSpeedButton", A::SetCaption),
                Kind("XPPanel", A::SetCaption), Kind("message", A::AddMessage) },
            LayoutStep::None },
        { "form5", "Form5", "form5_",
            { Kind("Form", A::SetWindowCaption), Kind("Label", A::SetCaption), Kind("Button", A::SetCaption),
                Kind("XPCheckBox", A::SetCaption), Kind("XPTabSheet", A::SetCaption),
                Kind("XPGroupBox", A::SetPaddedCaption), Kind("message", A::AddMessage) },
            LayoutStep::ExerciseCheckBoxes },
        { "form6", "Form6", "", { Kind("Label", A::SetCaption) }, LayoutStep::None },
        { "form7", "Form7", "form7_",
            { Kind("Form", A::SetWindowCaption), Kind("Label", A::SetCaption), Kind("Button", A::SetCaption),
                Kind("message", A::AddMessage) },
            LayoutStep::None },
        { "form_editor", "Form_editor", "form_editor_",
            { Kind("Form", A::SetWindowCaption), Kind("Label", A::SetCaption), Kind("Button", A::SetCaption),
                Kind("message", A::AddMessage), Key("message_button_add_hint", A::SetHint, "Button_add"),
                Key("message_button_delete_hint", A::SetHint, "Button_delete"),
                Key("message_search_keys_hint", A::SetHint, "Edit_search") },
            LayoutStep::None },
        { "form15", "Form15", "",
            { Kind("Form", A::SetWindowCaption), Kind("Label", A::SetCaption), Kind("Button", A::SetCaption),
                Key("glWizardHeader1", A::SetHeaderTitle, "glWizardHeader1"),
                Key("glWizardHeader2", A::SetHeaderComment, "glWizardHeader1") },
            LayoutStep::None },
        { "formimport", "Form_import", "formimport_",
            { Kind("Form", A::SetWindowCaption), Kind("Label", A::SetCaption), Kind("Button", A::SetCaption),
                Kind("RadioButton", A::SetCaption), Kind("message", A::AddMessage) },
            LayoutStep::None },
    };
}

} // namespace

const std::vector<WindowLanguageRules>& AllWindowLanguageRules()
{
    static const std::vector<WindowLanguageRules> rules = MakeRules();
    return rules;
}

const WindowLanguageRules* RulesForWindow(const QString& windowKey)
{
    for (const WindowLanguageRules& rules : AllWindowLanguageRules()) {
        if (rules.WindowKey == windowKey) {
            return &rules;
        }
    }
    return nullptr;
}
