#pragma once

#include <QString>

class ApplicationState;

// What the file commands need of the window that shows the configuration.
class ConfigurationView {
public:
    virtual ~ConfigurationView() = default;
    virtual void ShowConfiguration() = 0;
    virtual void ClearIRDisplay() = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // Settles, with the user, an opened configuration's projector that
    // differs from the database's definition of the same name.
    virtual void ReplaceDifferingProjector() = 0;
};

// New, open, save and save as of a configuration archive, the save prompt
// and the projector checks that follow an open or an edit of the projectors.
class FileCommands {
public:
    FileCommands(ApplicationState& state, ConfigurationView& view);

    static const QString FileFilter;

    void NewConfiguration();
    // False when the user cancelled: the calling command is abandoned.
    bool QuerySave();
    bool SaveConfiguration();
    // False when the archive did not open (the user was told the path and
    // why). A path without an extension that names no file stands for the
    // configuration of that name with ".tvl", where there is one.
    bool OpenConfiguration(const QString& typedPath);

    // The toolbar's file keys.
    void NewKey();
    void OpenKey();
    void SaveKey();
    void SaveAsKey();
    // After the projector browser: offers the database's newer version of
    // the configuration's projector.
    void CheckEditedProjector();

private:
    void StartUntitled();
    void CheckOpenedProjector();

    ApplicationState& state_;
    ConfigurationView& view_;
};
