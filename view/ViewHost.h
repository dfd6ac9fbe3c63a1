// The grid window's way to its dialogs.
//
// The view decides what to ask and what to do with the answer; the dialogs
// themselves belong to the program's shell, which implements this interface.
// Tests give a fake that answers from a script.
#pragma once

#include <QPoint>
#include <QString>
#include <string>

#include "DocumentHost.h"

namespace verbal {

// The letter picker's results. The view presets them before each run.
struct CLetterData {
    enum Action { Cancel = 0, Erase = 1, Letter = 2 };
    int m_bPlaced = 1;   // cleared by "Annuler"
    int m_nAction = 0;   // an Action
    char m_chLetter = 0; // 'A'..'Z', or 0 for "Effacer"
};

// What the definitions box shows for one cell.
struct CDefinitionsData {
    int m_nRow = 0;
    int m_nColumn = 0;
    int m_nHorizWord = 0;
    int m_nVertWord = 0;
    QString m_strHorizClue;
    QString m_strVertClue;
};

// Screen places of the definitions box (a setting).
enum DefBoxPosition { kBottomRight = 0, kBottomLeft = 1, kTopLeft = 2, kTopRight = 3, kCentre = 4 };

class IViewHost {
public:
    virtual ~IViewHost() = default;

    // Runs the letter picker centred on |globalPos| (the pointer); true when
    // it closed with OK.
    virtual bool RunLetterPicker(CLetterData& data, const QPoint& globalPos) = 0;

    // The definitions box is modeless: it stays until it is destroyed.
    virtual void CreateDefinitionsBox(const CDefinitionsData& data, int position) = 0;
    virtual void DestroyDefinitionsBox() = 0;

    virtual void RunVictory() = 0;
    virtual void RunGridInfo(const CGridInfoData& data) = 0;
    virtual int MessageBox(const MessageBoxRequest& request) = 0;

    // Plays a sound file (a path as the file system names it) and returns
    // when it has ended.
    virtual void PlaySoundFile(const std::string& path) = 0;
};

}  // namespace verbal
