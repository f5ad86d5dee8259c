#pragma once

#include <vector>

// The switchboard of the hidden modes ("eggs"). Each egg follows the characters the player
// types during play on its own; when its secret word has been typed completely its mode
// changes and its activation function runs. The identifier tables ask IsActive which
// graphics, animations and sounds to hand out. The eggs are registered once at start-up,
// in NameType order, so an egg's NameType is its index in the list.
//
// The switchboard is built in this folder (game_easter_eggs) and depends on nothing, so the
// identifier tables can ask it. The four concrete modes (Initialize, Finalize and the
// activation functions) rebuild the animators' idle animations, which themselves ask the
// identifier tables; they are built in Marrowmere/EasterEggs/Modes (game_easter_egg_modes),
// which the application's start-up links.
class EasterEggs {
public:
    // toggle: each completion flips the mode; persistent: each completion switches it on.
    enum ActivationType { toggle = 0, persistent = 1 };

    // The index of an egg in the list. Its type is fixed so that any int, also one that names
    // no egg, is a valid value to ask IsActive about.
    enum NameType : int { thistleCove = 0, harborLantern = 1, sevenKGrid = 2, twoFiftyDunes = 3 };

    // One secret word and the mode it switches.
    class Egg {
    public:
        static constexpr int nameCapacity = 32;

        // Copies the word (cut to 31 characters), with no characters typed and the mode off.
        Egg(const char* name, void (*activationFunction)(), ActivationType activationType);

        // Switches the mode off; the typing progress is kept.
        void Reset();
        bool IsActive() const;
        // Takes one (already lower-cased) character; isEggCharacter becomes true when it
        // continued the word. Completing the word changes the mode and runs the activation
        // function.
        void CheckInputCharacter(char character, bool& isEggCharacter);

    private:
        char name[nameCapacity];
        int charactersEnteredCount;
        bool isActive;
        void (*activationFunction)();
        ActivationType activationType;
    };

    // Registers the four hidden modes, in NameType order (once, at application start-up);
    // eggs registered before are replaced. Finalize empties the list (when the player quits).
    static void Initialize();
    static void Finalize();

    // The activation functions. The three toggles play the opening or closing sound and rebuild
    // the idle animations on the screen with the graphics of the new mode: thistleCove the
    // queue's (the death item's picture), harborLantern the board's (the floods' pictures),
    // sevenKGrid both (every creature's pictures and sounds). twoFiftyDunes adds 100 picks.
    static void HandleThistleCove();
    static void HandleHarborLantern();
    static void Handle7KGrid();
    static void HandleTwoFiftyDunes();

    // Appends an egg to the list; the start-up registration adds one per NameType, in order.
    static void AddEgg(const char* name, void (*activationFunction)(), ActivationType activationType);
    // Empties the list (when the player quits).
    static void RemoveAllEggs();

    // Switches every mode off at the start of a game; the typing progress is kept.
    static void SetUp();
    static void TakeDown();

    // Offers one typed character to every egg in list order; capitals count as lower case.
    // isEasterEggCharacter becomes true when any egg took it as its next character.
    static void CheckInputCharacter(char character, bool& isEasterEggCharacter);

    // The mode of egg `name` is on; false for an egg that is not registered.
    static bool IsActive(NameType name);

private:
    static std::vector<Egg> eggs;
};
