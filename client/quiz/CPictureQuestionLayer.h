// The common part of the picture choice screens: the clock waits while the question's pictures
// download, optionally under a cover that keeps the player's hands off the empty slots.
//
// A picture that fails to download counts as done (its slot stays dark), and after kGiveUpSeconds
// the screen stops waiting for pictures that never answered (no network, no session, a file that
// could not be stored): the cover goes and the clock runs, so the question always ends.
#pragma once

#include "quiz/CQuestionLayer.h"

#include <string>
#include <vector>

class CImageView;

class CPictureQuestionLayer : public CQuestionLayer {
public:
    void onPictureLoaded(const std::string& mediaName);
    void onPictureFailed(const std::string& mediaName);

    bool isLoading() const { return m_loading; }

    static constexpr int kCoverTag = 1001;
    static constexpr int kCoverZ = 10;
    // Past the 20 s one exchange may take; pictures that arrive later still show, the cover just
    // stops keeping the player (and the pause menu) waiting for them.
    static constexpr float kGiveUpSeconds = 25;

protected:
    enum class Cover { No, Yes };
    // Stops the host's clock and waits for `expected` pictures; with none it does not wait at all.
    void beginLoading(int expected, Cover cover);
    // A network picture of this screen, counted by the wait.
    CImageView* addPicture(const std::string& mediaName, const cocos2d::CCSize& size, const cocos2d::CCPoint& at,
                           int z = 0);
    // Drops a wait still running (showQuestion of the next question).
    void cancelLoading();
    // The picture choices: which of (at most four) pictures lies under the point, -1 for none; and
    // the answer for picture k, its letter ("A" to "D") with its index.
    static int pictureAt(const std::vector<CImageView*>& pictures, const cocos2d::CCPoint& point);
    static void submitLetter(int k);

private:
    void pictureDone();
    void finishLoading();
    void giveUp(float dt);

    int m_expected = 0, m_done = 0;
    bool m_loading = false;
};
