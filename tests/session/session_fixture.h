#pragma once

#include "core/session/ParameterSession.h"

#include <string>
#include <vector>

namespace zarvex1::test {

// A front end with one page control: the soft limiter of the page being edited. It records what the
// session asked of it.
class RecordingFrontEnd : public SessionFrontEnd {
public:
    ParameterSession *session = nullptr;
    int control = 0; // what the page shows for W2
    int stores = 0;
    int loads = 0;
    int hides = 0;
    std::vector<int> shownPages;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    Answer answer = Answer::Yes;

    void StorePage(int) override {
        ++stores;
        session->image().setWord(Adrw::SoftLimiter, static_cast<unsigned>(control));
    }
    void LoadPage(int) override {
        ++loads;
        control = session->image().word(Adrw::SoftLimiter);
    }
    void ShowPage(int page) override {
        shownPages.push_back(page);
        session->PageChanged(page);
    }
    Answer Ask(const std::string &question) override {
        questions.push_back(question);
        return answer;
    }
    void ShowMessage(const std::string &text) override { messages.push_back(text); }
    void HideMessageLine() override { ++hides; }
};

// A link that only counts the transfers the session starts.
class CountingLink : public UnitLink {
public:
    int autoPrograms = 0;
    void SetTransferListener(TransferListener *) override {}
    void StartRead() override {}
    void StartVerify(const ParameterImage &) override {}
    void StartProgram(const ParameterImage &) override {}
    void StartAutoProgram(const ParameterImage &) override { ++autoPrograms; }
};

// A session on a recording front end, started as the program starts.
struct SessionFixture {
    RecordingFrontEnd front;
    CountingLink link;
    ParameterSession session{front};
    SessionFixture() {
        front.session = &session;
        session.AttachLink(link);
        session.Start();
    }
    // The user types a value into the page's control and commits it.
    void Edit(int softLimiter) {
        front.control = softLimiter;
        session.Commit();
    }
};

} // namespace zarvex1::test
