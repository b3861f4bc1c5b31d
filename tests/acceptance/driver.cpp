// acceptance.exe: drives the converter from outside, as a user would, along
// the script that expected.py computed from the unit table, and compares
// every text the program shows with the script's.
//
//   acceptance.exe JEDNOTAR.EXE EXPECTED.TXT   run the script; exit code 0 only if all checks pass
//   acceptance.exe --demo JEDNOTAR.EXE         metre to kilometre, 5 typed; the program is left running
//
// Steps of the script (fields separated by tabs; VALUE and RESULT are the
// texts the value field and the result field must show afterwards):
//   registry N|-            the stored precision is N (a DWORD), or there is none
//   start                   start the program; its sheet must appear
//   current I               tab I is the active one and has a page
//   tabs N / tab I TITLE    the tab strip has N tabs; tab I is titled TITLE
//   page I                  select tab I
//   units N                 both unit lists of the page have N entries
//   unit POS ROW NAME       entry POS of both lists reads NAME and carries ROW
//   selection F T           the lists' selected positions (-1: none)
//   fields VALUE RESULT     the two fields, without doing anything
//   type C VALUE RESULT     the character C typed into the value field
//   clear VALUE RESULT      the value field's whole text selected and erased
//   from POS VALUE RESULT   unit POS picked in the "from" list
//   to POS VALUE RESULT     unit POS picked in the "to" list
//   dialog-open N           system-menu command 135; the precision dialog shows N
//   dialog-type TEXT        the dialog's field erased and TEXT typed
//   dialog-ok / dialog-cancel / dialog-escape   the dialog closes by OK, Storno, Escape
//   about-open ID           system command ID; the About dialog appears
//   about-ok / about-escape the About dialog closes by OK, Escape
//   close ok|cancel|escape|sysclose   the sheet closes so; the process must end and
//                           the registry must be exactly as it was before the close
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "registry_probe.h"
#include "script.h"
#include "target.h"
#include "tests/support/clock.h"
#include "tests/support/program_windows.h"
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
        FlushNotRun();
        if (target_ && !target_->WaitExit(0)) {
            Fail(steps.back(), "the script ended with the program still running; it is ended now");
            target_->Kill();
        }
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

    void Pass() { ++passed; }

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
            Pass();
        else
            Fail(step, what);
    }

    // A step that needs the program while it is gone or hung: counted as
    // failed; a run of them is reported in one line.
    void NotRun(const Step& step)
    {
        ++failed;
        if (notRunCount_++ == 0) {
            notRunFirst_ = step.line;
            if (target_ && !target_->LostReason().empty())
                notRunReason_ = target_->LostReason();
            else
                notRunReason_ = target_ ? "the program has ended" : "the program is not running";
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

    // ---- the page's fields ------------------------------------------------

    HWND Control(int id) const { return page_ ? GetDlgItem(page_, id) : nullptr; }

    void CheckFields(const Step& step, bool acted, const std::string& value, const std::string& result)
    {
        if (!acted) {
            Fail(step,
                 "the step could not be done" + (target_->Alive() ? std::string() : ": " + target_->LostReason()));
            return;
        }
        std::string seenValue = target_->Text(Control(kValueField));
        std::string seenResult = target_->Text(Control(kResultField));
        Check(step, seenValue == value && seenResult == result,
              "expected value " + Quoted(value) + " result " + Quoted(result) + ", seen value " + Quoted(seenValue) +
                  " result " + Quoted(seenResult));
    }

    void CheckRegistry(const Step& step)
    {
        const std::string& want = step.Field(1);
        PrecisionInStore stored = ReadStoredPrecision();
        if (want != "-" && target_ && target_->Alive()) {
            // A confirmed dialog writes once its modal loop has returned.
            WaitFor([&] { return (stored = ReadStoredPrecision()).Describe() == want; }, 2000, 10);
        }
        std::string seen = stored.Describe();
        Check(step, seen == (want == "-" ? "none" : want),
              "expected stored precision " + (want == "-" ? std::string("none") : want) + ", seen " + seen);
    }

    // ---- the steps ------------------------------------------------------------

    void Start(const Step& step)
    {
        FlushNotRun();
        if (target_ && !target_->WaitExit(0)) {
            Fail(step, "the previous run of the program was still running; it is ended now");
            target_->Kill();
        }
        target_.reset(new Target);
        page_ = nullptr;
        pageTitle_.clear();
        std::string error;
        bool started = target_->Start(exe_, error);
        Check(step, started, error);
    }

    void Close(const Step& step)
    {
        const std::string& how = step.Field(1);
        if (how != "ok" && how != "cancel" && how != "escape" && how != "sysclose") {
            Fail(step, "unknown way of closing " + Quoted(how));
            return;
        }
        std::string before = SnapshotCompanyKey();
        bool done = CloseBy(target_->Sheet(), how, Control(kValueField));
        bool ended = done && target_->WaitExit(kExitMs);
        Check(step, ended,
              done ? "the process did not end within " + std::to_string(kExitMs) + " ms" : "could not close");
        if (!ended)
            target_->Kill();
        std::string after = SnapshotCompanyKey();
        Check(step, before == after, "the registry changed at exit; before:\n" + before + "after:\n" + after);
        page_ = nullptr;
        pageTitle_.clear();
    }

    void SelectPage(const Step& step)
    {
        int index = step.Number(1);
        bool selected = target_->SelectTab(index);
        page_ = target_->CurrentPage();
        int current = target_->CurrentTab();
        pageTitle_ = titles_.count(index) ? titles_[index] : "page " + step.Field(1);
        Check(step, selected && page_ && current == index,
              "tab " + std::to_string(index) + " could not be selected (active tab " + std::to_string(current) +
                  (page_ ? ")" : ", no page)"));
    }

    void CheckUnits(const Step& step)
    {
        int want = step.Number(1);
        HWND from = Control(kFromList), to = Control(kToList);
        // The start page lists its units on its first paint.
        WaitFor([&] { return !target_->Alive() || target_->ListCount(from) >= want; }, kListFillMs);
        int nFrom = target_->ListCount(from), nTo = target_->ListCount(to);
        Check(step, nFrom == want && nTo == want,
              "expected " + std::to_string(want) + " units in each list, seen " + std::to_string(nFrom) +
                  " in the \"from\" list and " + std::to_string(nTo) + " in the \"to\" list");
    }

    void CheckUnit(const Step& step)
    {
        int pos = step.Number(1);
        LRESULT row = step.Number(2);
        const std::string& name = step.Field(3);
        std::string problems;
        const int ids[2] = {kFromList, kToList};
        for (int id : ids) {
            HWND list = Control(id);
            std::string text = target_->ListText(list, pos);
            LRESULT data = target_->ListData(list, pos);
            const char* which = id == kFromList ? "\"from\"" : "\"to\"";
            if (text != name)
                problems += std::string(problems.empty() ? "" : "; ") + which + " list shows " + Quoted(text);
            if (data != row)
                problems += std::string(problems.empty() ? "" : "; ") + which + " list carries " +
                            std::to_string(static_cast<long long>(data));
        }
        Check(step, problems.empty(),
              "expected " + Quoted(name) + " carrying row " + std::to_string(static_cast<long long>(row)) + ", " +
                  problems);
    }

    void CheckSelection(const Step& step)
    {
        int from = target_->ListSelection(Control(kFromList));
        int to = target_->ListSelection(Control(kToList));
        Check(step, from == step.Number(1) && to == step.Number(2),
              "expected selected positions " + step.Field(1) + " and " + step.Field(2) + ", seen " +
                  std::to_string(from) + " and " + std::to_string(to));
    }

    bool Type(HWND field, const std::string& utf8)
    {
        std::wstring chars = Widen(utf8);
        for (wchar_t c : chars)
            if (!target_->TypeChar(field, c))
                return false;
        return !chars.empty();
    }

    // The dialog that system command `command` opens, titled `caption`;
    // null, and the step failed, when none appears.
    HWND OpenBySystemMenu(const Step& step, UINT command, const wchar_t* caption)
    {
        if (!target_->Post(target_->Sheet(), WM_SYSCOMMAND, command, 0)) {
            Fail(step, "could not post the system command");
            return nullptr;
        }
        HWND dialog = target_->FindDialog(caption, kDialogMs);
        if (!dialog)
            Fail(step, "no window " + Quoted(Narrow(caption)) + " appeared");
        return dialog;
    }

    void OpenDialog(const Step& step)
    {
        dialog_ = OpenBySystemMenu(step, kPrecisionCommand, kPrecisionCaption);
        if (!dialog_)
            return;
        target_->Sync(dialog_);
        std::string shown = target_->Text(GetDlgItem(dialog_, kPrecisionField));
        Check(step, shown == step.Field(1),
              "expected the field to show " + Quoted(step.Field(1)) + ", seen " + Quoted(shown));
    }

    void TypeInDialog(const Step& step)
    {
        HWND field = dialog_ ? GetDlgItem(dialog_, kPrecisionField) : nullptr;
        bool typed = field && target_->ClearField(field) && Type(field, step.Field(1));
        std::string shown = field ? target_->Text(field) : std::string();
        Check(step, typed && shown == step.Field(1),
              typed ? "expected the field to show " + Quoted(step.Field(1)) + ", seen " + Quoted(shown)
                    : std::string("could not type into the precision dialog"));
    }

    void OpenAbout(const Step& step)
    {
        dialog_ = OpenBySystemMenu(step, static_cast<UINT>(step.Number(1)), kAboutCaption);
        if (dialog_)
            Pass();
    }

    // Closes `window` the way `how` names: "ok" or "cancel" clicks its button,
    // "escape" presses the key where the focus is (or in `field`), "sysclose"
    // is the system menu's Close. False when that cannot be done.
    bool CloseBy(HWND window, const std::string& how, HWND field)
    {
        if (how == "ok" || how == "cancel")
            return target_->Click(GetDlgItem(window, how == "ok" ? IDOK : IDCANCEL));
        if (how == "escape")
            return target_->PressEscape(field ? field : window);
        return how == "sysclose" && target_->Post(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }

    // Closes the open dialog by the way the step's name ends in: "-ok" (the
    // OK button), "-cancel" (the Storno button) or "-escape" (the key).
    void CloseDialog(const Step& step)
    {
        if (!dialog_) {
            Fail(step, "there is no dialog to close");
            return;
        }
        const std::string& name = step.Field(0);
        bool done = CloseBy(dialog_, name.substr(name.find('-') + 1), GetDlgItem(dialog_, kPrecisionField));
        bool gone = done && WaitUntilGone(dialog_, kDialogMs);
        // Once the sheet answers again, the command that ran the dialog is over.
        if (gone)
            target_->Sync(target_->Sheet());
        Check(step, gone, done ? "the dialog did not close" : "could not press the dialog's button");
        dialog_ = nullptr;
    }

    void CheckCurrent(const Step& step)
    {
        page_ = target_->CurrentPage();
        int current = target_->CurrentTab();
        int want = step.Number(1);
        pageTitle_ = titles_.count(want) ? titles_[want] : std::string();
        Check(step, current == want && page_,
              "expected tab " + step.Field(1) + " active with its page, seen tab " + std::to_string(current) +
                  (page_ ? "" : " and no page"));
    }

    void CheckTabCount(const Step& step)
    {
        int n = target_->TabCount();
        Check(step, n == step.Number(1), "expected " + step.Field(1) + " tabs, seen " + std::to_string(n));
    }

    void CheckTabTitle(const Step& step)
    {
        std::string title = target_->TabTitle(step.Number(1));
        Check(step, title == step.Field(2), "expected title " + Quoted(step.Field(2)) + ", seen " + Quoted(title));
    }

    void CheckFieldsAsThey(const Step& step) { CheckFields(step, true, step.Field(1), step.Field(2)); }

    void TypeValue(const Step& step)
    {
        CheckFields(step, Type(Control(kValueField), step.Field(1)), step.Field(2), step.Field(3));
    }

    void ClearValue(const Step& step)
    {
        CheckFields(step, target_->ClearField(Control(kValueField)), step.Field(1), step.Field(2));
    }

    // "from" or "to": a unit picked in that list.
    void PickUnit(const Step& step)
    {
        HWND list = Control(step.Field(0) == "from" ? kFromList : kToList);
        CheckFields(step, target_->Pick(page_, list, step.Number(1)), step.Field(2), step.Field(3));
    }

    void Do(const Step& step)
    {
        const std::string& name = step.Field(0);
        if (name == "registry") {
            CheckRegistry(step);
            return;
        }
        if (name == "start") {
            Start(step);
            return;
        }
        if (name == "tab")
            titles_[step.Number(1)] = step.Field(2);
        if (!target_ || !target_->Alive() || target_->WaitExit(0)) {
            NotRun(step);
            return;
        }
        const auto action = actions_.find(name);
        if (action == actions_.end())
            Fail(step, "unknown step " + Quoted(name));
        else
            (this->*action->second)(step);
    }

    // The steps that need the program running, by name.
    using Action = void (Run::*)(const Step&);
    const std::map<std::string, Action> actions_ = {{"close", &Run::Close},
                                                    {"current", &Run::CheckCurrent},
                                                    {"tabs", &Run::CheckTabCount},
                                                    {"tab", &Run::CheckTabTitle},
                                                    {"page", &Run::SelectPage},
                                                    {"units", &Run::CheckUnits},
                                                    {"unit", &Run::CheckUnit},
                                                    {"selection", &Run::CheckSelection},
                                                    {"fields", &Run::CheckFieldsAsThey},
                                                    {"type", &Run::TypeValue},
                                                    {"clear", &Run::ClearValue},
                                                    {"from", &Run::PickUnit},
                                                    {"to", &Run::PickUnit},
                                                    {"dialog-open", &Run::OpenDialog},
                                                    {"dialog-type", &Run::TypeInDialog},
                                                    {"about-open", &Run::OpenAbout},
                                                    {"dialog-ok", &Run::CloseDialog},
                                                    {"dialog-cancel", &Run::CloseDialog},
                                                    {"dialog-escape", &Run::CloseDialog},
                                                    {"about-ok", &Run::CloseDialog},
                                                    {"about-escape", &Run::CloseDialog}};

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
        target.Kill();
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
        return Demo(WindowsPath(argv[2]));
    if (argc != 3) {
        std::printf("usage: acceptance JEDNOTAR.EXE EXPECTED.TXT\n"
                    "       acceptance --demo JEDNOTAR.EXE\n");
        return 2;
    }
    const double began = NowMs();
    std::vector<Step> steps;
    std::string error;
    if (!ReadScript(WindowsPath(argv[2]), steps, error)) {
        std::printf("acceptance: %s\nacceptance: 0 passed, 1 failed\n", error.c_str());
        return 1;
    }
    Run run(WindowsPath(argv[1]));
    run.Execute(steps);
    std::printf("acceptance: run time %.1f s\n", (NowMs() - began) / 1000.0);
    std::printf("acceptance: %d passed, %d failed\n", run.passed, run.failed);
    return run.failed == 0 && run.passed > 0 ? 0 : 1;  // a script that checked nothing proves nothing
}
