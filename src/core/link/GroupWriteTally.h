#pragma once

namespace r5k27 {

// The bookkeeping of a group write: how many radios are done and whether the radio answering
// now is the one just written or a new one. A new radio is written only after the old one has
// been silent for two timeout actions and the new one has then answered three program requests.
class GroupWriteTally {
public:
    enum class Next { IdentifyRadio, PollAgain };

    // A group write of groupSize radios (at least one) begins; the first silence is asked about.
    void begin(int groupSize);
    // Back to a single operation; radiosDone() keeps its count for the outcome.
    void end();

    // A radio answered the program request.
    Next handshakeAnswered();
    // A handshake timeout action with no question due (askOnTimeout() off).
    void silentTimeout();
    // The user cancelled the question about a silent first radio.
    void stopAsking() { askOnTimeout_ = false; }
    // A radio took every block; true when another radio is to follow.
    bool radioCompleted();
    // The transfer starts over with the radio attached now.
    void restartTransfer() { justFinished_ = false; }

    bool active() const { return active_; }
    bool askOnTimeout() const { return askOnTimeout_; }
    int groupSize() const { return groupSize_; }
    int radiosDone() const { return radiosDone_; }
    bool justFinished() const { return justFinished_; }
    int goneCount() const { return goneCount_; }
    int confirmCount() const { return confirmCount_; }

private:
    bool active_ = false;
    bool askOnTimeout_ = false;
    int groupSize_ = 0;
    int radiosDone_ = 0;
    bool justFinished_ = false;
    int goneCount_ = 0;
    int confirmCount_ = 0;
};

} // namespace r5k27
