// The one door between a grid document and whatever shows it to a person.
//
// The document never talks to a window system: every message box, repaint,
// dialog, cursor, sound and clock reading goes through this interface. The Qt
// program implements it with real widgets, verbal-cli with the console, and the
// tests with a fake that records every call. The document says what changed;
// where that is on screen is the host's business.
#pragma once

#include <cstdint>
#include <string>


namespace verbal {

// Buttons and icons of a message box, and the answers it can give. The values
// are those of the classic message-box API so that a log of calls reads the
// same as the behaviour it describes.
enum class MsgButtons { Ok, OkCancel, RetryCancel, YesNo };
enum class MsgIcon { None, Stop, Exclamation, Information, Question };
enum MsgResult : int { IDOK = 1, IDCANCEL = 2, IDRETRY = 4, IDYES = 6, IDNO = 7 };

// Who owns a box: the grid's own window, or the application (whose title is
// then the caption).
enum class MsgOwner { View, App };

struct MessageBoxRequest {
    std::string text;     // Windows-1252 bytes
    std::string caption;  // Windows-1252 bytes
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgOwner owner = MsgOwner::View;
};

// Data of the new-grid dialog ("Nombre de cases et dictionnaire"): what the
// document hands in and takes back. The derivations are pure so that they can
// be tested without a window. Paths are the file system's names (UTF-8); the
// dictionary's name is Windows-1252 text, as the grid file keeps it.
struct CNewGridData {
    std::string m_strCurrentDir;
    int m_nQuality = 0;
    std::string m_strDefsPath;
    std::string m_strDictPath;
    int m_nGridLast = 0;
    std::string m_strDictName;

    // The dictionary's display name: what follows the last backslash (or
    // slash) of the path, up to the first point after it; DictNameOfPath
    // gives it as the path has it.
    void MakeDictName();
    std::string DictNameOfPath() const;
    // The definitions path: the dictionary path with its third character from
    // the end replaced by 'd' (Standard.lex gives Standard.dex).
    std::string MakeDefsPath() const;
};

// Data of the grid information box ("Informations sur la Grille.").
struct CGridInfoData {
    int m_nTotalCells = 0;
    int m_nBlackSquares = 0;
    int m_nCellsToFill = 0;
    int m_nFilledCells = 0;
    std::string m_strExtraLabel;
    int m_nExtraValue = 0;
    std::string m_strDictName;
};

class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;

    virtual int MessageBox(const MessageBoxRequest& request) = 0;

    // Repaints of the whole view. "Invalidate" only asks; "RedrawNow" paints
    // before returning.
    virtual void InvalidateAll(bool erase) = 0;
    virtual void RedrawAllNow() = 0;
    // The grid's picture changed (letters shown, marks, solution): repaint
    // it, before returning when |now|.
    virtual void GridChanged(bool now) = 0;
    // The computation went on, |rowsDone| rows complete: show its progress
    // now. Asked after every row and at every pump, far more often than an
    // eye can follow; the host may keep some of these for a later paint.
    virtual void ProgressChanged(int rowsDone) = 0;
    // The document's modified flag changed (a letter placed, a grid saved).
    virtual void ModifiedChanged(bool modified) { (void)modified; }

    // Modal dialogs. Each returns true when the user answered OK.
    virtual bool RunRecalcConfirm() = 0;
    virtual bool RunNewGridDialog(CNewGridData& data) = 0;
    virtual bool RunEraseConfirm() = 0;
    // The solution choice: |choice| comes in preset, and a button replaces it
    // (1 count, 2 mark, 3 reveal); a cancelled box leaves it as it was.
    virtual void RunSolutionChoice(int& choice) = 0;
    virtual void RunGridInfo(const CGridInfoData& data) = 0;

    // The generator's stop box ("ARRETER") disables the main window while it
    // exists; CheckStop pumps the message queue and returns (then clears)
    // whether the button was pressed since the last call.
    virtual void CreateStopBox() = 0;
    virtual void DestroyStopBox() = 0;
    virtual bool CheckStop() = 0;
    virtual void CreateWaitBox() = 0;
    virtual void DestroyWaitBox() = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Plays a sound file (a path as the file system names it) synchronously:
    // returns when the sound has ended.
    virtual void PlaySoundFile(const std::string& path) = 0;

    // Seconds since the epoch: the seed of the word table's shuffle.
    virtual std::int64_t CurrentTimeSeconds() = 0;
};

}  // namespace verbal
