// acceptance.exe: drives the converter from outside, as a user would, along
// the script that expected.py computed from the unit table, and compares
// every text the program shows with the script's.
//
//   acceptance.exe [--store-as-is] JEDNOTAR.EXE EXPECTED.TXT
//                                  run the script; exit code 0 only if all checks pass
//   acceptance.exe --demo JEDNOTAR.EXE
//                                  metre to kilometre, 5 typed; the program is left running
//
// The script starts from an empty settings store, as on a first run, and the
// store is put back as it was found afterwards, whatever the outcome. With
// --store-as-is the script takes the store as it finds it and leaves it as
// the program leaves it: for a prefix of the caller's own.
//
// The steps of the script and their fields are listed in Run::actions_.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "registry_probe.h"
#include "script.h"
#include "target.h"
#include "tests/support/clock.h"
#include "tests/support/platform.h"
#include "tests/support/program_windows.h"
#include "tests/support/saved_setting.h"
#include "tests/support/settings_store.h"
#include "tests/support/wait.h"
#include "text.h"

namespace {

const UINT kPrecisionCommand = 135;  // the number the user's system menu sends
const DWORD kDialogMs = 10000;
const DWORD kExitMs = 10000;
const DWORD kListFillMs = 5000;

class Run {
public:
    explicit Run(std::wstring exe) : exe_(std::move(exe)) {}

    void Execute(const std::vector<Step>& steps)
    {
        for (const Step& step : steps)
            Do(step);
        EndLeftOver(steps.back(), "the script ended with the program still running; it is ended now");
    }

    int passed = 0;
    int failed = 0;

private:
    // ---- reporting ------------------------------------------------------

    std::string Where(const Step& step) const
    {
        std::string where = "line " + std::to_string(step.line);
        if (!pageTitle_.empty())
            where += ", " + pageTitle_;
        where += ", " + step.Field(0);
        if (step.fields.size() > 1)
            where += " " + step.fields[1];
        return where;
    }

    void Fail(const Step& step, const std::string& what)
    {
        FlushNotRun();
        ++failed;
        std::printf("FAIL %s: %s\n", Where(step).c_str(), what.c_str());
        std::fflush(stdout);
    }

    void Check(const Step& step, bool ok, const std::string& what)
    {
        if (ok)
            ++passed;
        else
            Fail(step, what);
    }

    void Expect(const Step& step, const std::string& what, const std::string& want, const std::string& seen)
    {
        Check(step, seen == want, "expected " + what + " " + Quoted(want) + ", seen " + Quoted(seen));
    }

    // A step that needs the program while it is gone or hung: counted as
    // failed; a run of them is reported in one line.
    void NotRun(const Step& step)
    {
        ++failed;
        if (notRunCount_++ == 0) {
            notRunFirst_ = step.line;
            notRunReason_ = !target_                        ? "the program is not running"
                            : target_->LostReason().empty() ? "the program has ended"
                                                            : target_->LostReason();
        }
        notRunLast_ = step.line;
    }

    void FlushNotRun()
    {
        if (notRunCount_ == 0)
            return;
        std::printf("FAIL lines %d-%d: %d checks not run: %s\n", notRunFirst_, notRunLast_, notRunCount_,
                    notRunReason_.c_str());
        std::fflush(stdout);
        notRunCount_ = 0;
    }

    // A program that the script left running fails `step` and is ended.
    void EndLeftOver(const Step& step, const char* what)
    {
        FlushNotRun();
        if (target_ && !target_->WaitExit(0)) {
            Fail(step, what);
            target_->Kill();
        }
    }

    // ---- the steps ------------------------------------------------------------

    HWND Control(int id) const { return page_ ? GetDlgItem(page_, id) : nullptr; }

    void CheckRegistry(const Step& step)
    {
        const std::string want = step.Field(1) == "-" ? "none" : step.Field(1);
        std::string seen = StoredPrecisionText();
        // A confirmed dialog writes once its modal loop has returned.
        if (want != "none" && target_ && target_->Alive())
            WaitFor([&] { return (seen = StoredPrecisionText()) == want; }, 2000, 10);
        Expect(step, "stored precision", want, seen);
    }

    void Start(const Step& step)
    {
        EndLeftOver(step, "the previous run of the program was still running; it is ended now");
        target_ = std::make_unique<Target>();
        page_ = nullptr;
        pageTitle_.clear();
        std::string error;
        const bool started = target_->Start(exe_, error);
        Check(step, started, error);
    }

    void Close(const Step& step)
    {
        const std::string& how = step.Field(1);
        std::string before = SnapshotCompanyKey();
        std::string why = "could not close by " + Quoted(how);
        bool done = CloseBy(target_->Sheet(), how, why);
        bool ended = done && target_->WaitExit(kExitMs);
        Check(step, ended, done ? "the process did not end within " + std::to_string(kExitMs) + " ms" : why);
        if (!ended)
            target_->Kill();
        std::string after = SnapshotCompanyKey();
        Check(step, before == after, "the registry changed at exit; before:\n" + before + "after:\n" + after);
        page_ = nullptr;
        pageTitle_.clear();
    }

    // Tab I is active, with its page, after `selected` said whether selecting it worked.
    void CheckActive(const Step& step, bool selected)
    {
        const int want = step.Number(1);
        page_ = target_->CurrentPage();
        const int current = target_->CurrentTab();
        pageTitle_ = titles_.count(want) ? titles_[want] : "page " + step.Field(1);
        Check(step, selected && page_ && current == want,
              std::string(selected ? "expected" : "could not select") + " tab " + step.Field(1) +
                  " active with its page, seen tab " + std::to_string(current) + (page_ ? "" : " and no page"));
    }

    void CheckCurrent(const Step& step) { CheckActive(step, true); }
    void SelectPage(const Step& step) { CheckActive(step, target_->SelectTab(step.Number(1))); }

    void CheckTabCount(const Step& step)
    {
        Expect(step, "tabs", std::to_string(step.Number(1)), std::to_string(target_->TabCount()));
    }

    void CheckTabTitle(const Step& step) { Expect(step, "title", step.Field(2), target_->TabTitle(step.Number(1))); }

    void CheckUnits(const Step& step)
    {
        const int want = step.Number(1);
        HWND from = Control(kFromList), to = Control(kToList);
        // The start page lists its units on its first paint.
        WaitFor([&] { return !target_->Alive() || target_->ListCount(from) >= want; }, kListFillMs);
        Expect(step, "units in the \"from\" and the \"to\" list", std::to_string(want) + " and " + std::to_string(want),
               std::to_string(target_->ListCount(from)) + " and " + std::to_string(target_->ListCount(to)));
    }

    void CheckUnit(const Step& step)
    {
        const int pos = step.Number(1);
        const LRESULT row = step.Number(2);
        const std::string& name = step.Field(3);
        std::string problems;
        for (int id : {kFromList, kToList}) {
            const std::string which = id == kFromList ? "; \"from\" list " : "; \"to\" list ";
            const std::string text = target_->ListText(Control(id), pos);
            const LRESULT data = target_->ListData(Control(id), pos);
            if (text != name)
                problems += which + "shows " + Quoted(text);
            if (data != row)
                problems += which + "carries " + std::to_string(static_cast<long long>(data));
        }
        Check(step, problems.empty(),
              "expected " + Quoted(name) + " carrying row " + std::to_string(static_cast<long long>(row)) + problems);
    }

    void CheckSelection(const Step& step)
    {
        Expect(step, "selected positions", std::to_string(step.Number(1)) + " and " + std::to_string(step.Number(2)),
               std::to_string(target_->ListSelection(Control(kFromList))) + " and " +
                   std::to_string(target_->ListSelection(Control(kToList))));
    }

    bool Type(HWND field, const std::string& utf8)
    {
        std::wstring chars = Widen(utf8);
        for (wchar_t c : chars)
            if (!target_->TypeChar(field, c))
                return false;
        return !chars.empty();
    }

    // A step on the page, then the value and the result that it must leave
    // in the two fields: the step's last two fields.
    void FieldStep(const Step& step)
    {
        const std::string& name = step.Field(0);
        HWND value = Control(kValueField);
        bool acted = true;  // "fields" only looks
        if (name == "type")
            acted = Type(value, step.Field(1));
        else if (name == "clear")
            acted = target_->ClearField(value);
        else if (name != "fields")
            acted = target_->Pick(page_, Control(name == "from" ? kFromList : kToList), step.Number(1));
        if (!acted) {
            Fail(step,
                 "the step could not be done" + (target_->Alive() ? std::string() : ": " + target_->LostReason()));
            return;
        }
        const size_t at = name == "fields" || name == "clear" ? 1 : 2;
        const std::string& wantValue = step.Field(at);
        const std::string& wantResult = step.Field(at + 1);
        std::string seenValue = target_->Text(value);
        std::string seenResult = target_->Text(Control(kResultField));
        Check(step, seenValue == wantValue && seenResult == wantResult,
              "expected value " + Quoted(wantValue) + " result " + Quoted(wantResult) + ", seen value " +
                  Quoted(seenValue) + " result " + Quoted(seenResult));
    }

    // Opens the dialog titled `caption` by system command `command`; false,
    // and the step failed, when none appears.
    bool OpenBySystemMenu(const Step& step, UINT command, const wchar_t* caption)
    {
        const bool posted = target_->Post(target_->Sheet(), WM_SYSCOMMAND, command, 0);
        dialog_ = posted ? target_->FindDialog(caption, kDialogMs) : nullptr;
        if (!dialog_)
            Fail(step, posted ? "no window " + Quoted(Narrow(caption)) + " appeared"
                              : std::string("could not post the system command"));
        return dialog_ != nullptr;
    }

    void OpenDialog(const Step& step)
    {
        if (!OpenBySystemMenu(step, kPrecisionCommand, kPrecisionCaption))
            return;
        target_->Sync(dialog_);
        Expect(step, "the field to show", step.Field(1), target_->Text(GetDlgItem(dialog_, kPrecisionField)));
    }

    void TypeInDialog(const Step& step)
    {
        HWND field = dialog_ ? GetDlgItem(dialog_, kPrecisionField) : nullptr;
        if (field && target_->ClearField(field) && Type(field, step.Field(1)))
            Expect(step, "the field to show", step.Field(1), target_->Text(field));
        else
            Fail(step, "could not type into the precision dialog");
    }

    void OpenAbout(const Step& step)
    {
        if (OpenBySystemMenu(step, static_cast<UINT>(step.Number(1)), kAboutCaption))
            ++passed;
    }

    // Closes `window` the way `how` names: "ok" or "cancel" clicks its button,
    // "escape" presses the key where the focus is, "sysclose" is the system
    // menu's Close. False when that cannot be done, with `why` when it
    // is Escape that cannot be pressed.
    bool CloseBy(HWND window, const std::string& how, std::string& why)
    {
        if (how == "ok" || how == "cancel")
            return target_->Click(GetDlgItem(window, how == "ok" ? IDOK : IDCANCEL));
        if (how == "escape")
            return target_->PressEscape(window, why);
        return how == "sysclose" && target_->Post(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }

    // Closes the open dialog the way the step's name ends: "-ok", "-cancel", "-escape".
    void CloseDialog(const Step& step)
    {
        if (!dialog_) {
            Fail(step, "there is no dialog to close");
            return;
        }
        const std::string& name = step.Field(0);
        std::string why = "could not press the dialog's button";
        bool done = CloseBy(dialog_, name.substr(name.find('-') + 1), why);
        bool gone = done && WaitUntilGone(dialog_, kDialogMs);
        // Once the sheet answers again, the command that ran the dialog is over.
        if (gone)
            target_->Sync(target_->Sheet());
        Check(step, gone, done ? "the dialog did not close" : why);
        dialog_ = nullptr;
    }

    void Do(const Step& step)
    {
        const std::string& name = step.Field(0);
        if (name == "tab")
            titles_[step.Number(1)] = step.Field(2);
        const auto action = actions_.find(name);
        const bool running = target_ && target_->Alive() && !target_->WaitExit(0);
        if (action == actions_.end())
            Fail(step, "unknown step " + Quoted(name));
        else if (name != "registry" && name != "start" && !running)
            NotRun(step);
        else
            (this->*action->second)(step);
    }

    // Every step by name, and its fields after the name; VALUE and RESULT
    // are the texts that the value and the result field must show after it.
    using Action = void (Run::*)(const Step&);
    const std::map<std::string, Action> actions_ = {
        {"registry", &Run::CheckRegistry},     // N|-: the stored precision is N (a DWORD), or there is none
        {"start", &Run::Start},                // start the program; its sheet must appear
        {"current", &Run::CheckCurrent},       // I: tab I is the active one and has a page
        {"tabs", &Run::CheckTabCount},         // N: the tab strip has N tabs
        {"tab", &Run::CheckTabTitle},          // I TITLE: tab I is titled TITLE
        {"page", &Run::SelectPage},            // I: select tab I
        {"units", &Run::CheckUnits},           // N: both unit lists of the page have N entries
        {"unit", &Run::CheckUnit},             // POS ROW NAME: entry POS of both lists reads NAME and carries ROW
        {"selection", &Run::CheckSelection},   // F T: the lists' selected positions (-1: none)
        {"fields", &Run::FieldStep},           // VALUE RESULT: the two fields, without doing anything
        {"type", &Run::FieldStep},             // C VALUE RESULT: the character C typed into the value field
        {"clear", &Run::FieldStep},            // VALUE RESULT: the value field's whole text selected and erased
        {"from", &Run::FieldStep},             // POS VALUE RESULT: unit POS picked in the "from" list
        {"to", &Run::FieldStep},               // POS VALUE RESULT: unit POS picked in the "to" list
        {"dialog-open", &Run::OpenDialog},     // N: system-menu command 135; the precision dialog shows N
        {"dialog-type", &Run::TypeInDialog},   // TEXT: the dialog's field erased and TEXT typed
        {"dialog-ok", &Run::CloseDialog},      // the precision dialog closes by OK,
        {"dialog-cancel", &Run::CloseDialog},  // by Storno,
        {"dialog-escape", &Run::CloseDialog},  // by Escape
        {"about-open", &Run::OpenAbout},       // ID: system command ID; the About dialog appears
        {"about-ok", &Run::CloseDialog},       // the About dialog closes by OK,
        {"about-escape", &Run::CloseDialog},   // by Escape
        {"close", &Run::Close},                // ok|cancel|escape|sysclose: the sheet closes so; the process
                                               // must end and the registry must stay exactly as it was
    };

    std::wstring exe_;
    std::unique_ptr<Target> target_;
    HWND page_ = nullptr;
    HWND dialog_ = nullptr;
    std::string pageTitle_;
    std::map<int, std::string> titles_;
    int notRunCount_ = 0, notRunFirst_ = 0, notRunLast_ = 0;
    std::string notRunReason_;
};

int Demo(const std::wstring& exe)
{
    Target target;
    std::string error;
    if (!target.Start(exe, error)) {
        std::printf("demo: %s\n", error.c_str());
        return 1;
    }
    HWND page = target.CurrentPage();
    HWND from = GetDlgItem(page, kFromList);
    WaitFor([&] { return target.ListCount(from) >= 1; }, kListFillMs);
    int metre = -1, kilometre = -1;
    for (int pos = 0, n = target.ListCount(from); pos < n; ++pos) {
        std::string name = target.ListText(from, pos);
        if (name == "metr")
            metre = pos;
        else if (name == "kilometr")
            kilometre = pos;
    }
    HWND value = GetDlgItem(page, kValueField);
    if (metre < 0 || kilometre < 0 || !target.Pick(page, from, metre) ||
        !target.Pick(page, GetDlgItem(page, kToList), kilometre) || !target.TypeChar(value, L'5')) {
        std::printf("demo: could not pick metr and kilometr and type 5\n");
        return 1;
    }
    std::printf("demo: value %s, result %s\n", Quoted(target.Text(value)).c_str(),
                Quoted(target.Text(GetDlgItem(page, kResultField))).c_str());
    target.Detach();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc == 3 && std::string(argv[1]) == "--demo")
        return Demo(WindowsPath(argv[2]));  // no test: it leaves the program running on purpose
    StartTestProgram("acceptance");
    const bool storeAsIs = argc == 4 && std::string(argv[1]) == "--store-as-is";
    if (argc != 3 && !storeAsIs) {
        std::printf("usage: acceptance [--store-as-is] JEDNOTAR.EXE EXPECTED.TXT\n"
                    "       acceptance --demo JEDNOTAR.EXE\n");
        return 2;
    }
    char** files = argv + (storeAsIs ? 2 : 1);
    const double began = NowMs();
    std::vector<Step> steps;
    std::string error;
    if (!ReadScript(WindowsPath(files[1]), steps, error)) {
        std::printf("acceptance: %s\nacceptance: 0 passed, 1 failed\n", error.c_str());
        return 1;
    }
    std::optional<SavedSetting> usersOwn;  // put back as the run ends
    if (!storeAsIs) {
        usersOwn.emplace();
        if (!ClearSettings()) {
            std::printf("acceptance: the settings store could not be emptied\nacceptance: 0 passed, 1 failed\n");
            return 1;
        }
    }
    Run run(WindowsPath(files[0]));
    run.Execute(steps);
    std::printf("acceptance: run time %.1f s\n", (NowMs() - began) / 1000.0);
    std::printf("acceptance: %d passed, %d failed\n", run.passed, run.failed);
    return run.failed == 0 && run.passed > 0 ? 0 : 1;  // a script that checked nothing proves nothing
}
