// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"

namespace orbelle::modLearnAstrology::prose {

const std::array<std::string_view, 12> HouseAttributes = {
    // 1st House
    "The first house belongs to the eastern horizon, where the Sun rises, and it stands for you: your self and your "
    "individuality, the person you are before any role. Astrologers call it the outer personality, the face you show "
    "strangers and the impression you leave at a first meeting. Its sign, your rising sign, colours how you start "
    "things and stand up for yourself, and any planet inside it adds its voice to your character. Because it is where "
    "the chart meets the visible world, it also shapes the body: your physical appearance and health, your head, face "
    "and complexion, and the early years in which all these were formed.",
    // 2nd House
    "What you own, and what you think it is worth, is the business of the second house. It covers material "
    "possessions and wealth, the income you earn and the way you handle your resources: whether you save, spend or "
    "give. From Taurus it receives the throat, home of the bargaining voice, and Indian astrology grants it sight, on "
    "which every appraiser depends. Its deeper subject is value of another kind: your self-esteem, the sense of worth "
    "that lets you name a fair price for your work and walk away from a poor one. Your talents count as resources "
    "too: a gift for music or figures is capital you can develop and turn into income.",
    // 3rd House
    "Every word you speak, write or hear passes through the third house, seat of communication, verbal skill and "
    "quick learning. It also embraces your brothers and sisters, beside your neighbours and the small world around "
    "your door: short trips, errands, the daily commute and the messages that keep you connected. Your shoulders "
    "answer to it through Gemini, bearing the arms and hands that write and gesture. Astrologers in India give it the "
    "right ear, apt for so talkative a house, and credit it with stamina and courage, the drive to keep going. Your "
    "intellect belongs to it in its practical form: the busy mind that gathers facts, sorts them and hands them on.",
    // 4th House
    "At the foot of the chart, the fourth house is the root from which everything else grows. Your home is its "
    "province: the family that raised you, with your mother at its centre in modern and Indian readings, the place "
    "where you settle and any land or property you come to own. Here too lies your emotional security, the ease you "
    "feel once the door is closed. The chest and stomach, organs that shelter and nourish as a family does, are its "
    "share of the body, and Indian practice includes the lungs. Time runs through it at both ends: your childhood and "
    "the memories you carry from it, and old age, when many return to where they began.",
    // 5th House
    "The fifth is Leo's house, naturally ruled by the Sun, and it concerns whatever you bring to life for pleasure "
    "rather than need, from a painting to a party. Love affairs and romance are its delight: the first rush of "
    "attraction, the flirtation and courtship that come before any promise. Hobbies, games, sport, art and the "
    "gambler's wager all play out in its rooms. It claims the heart, where joy is felt. The Indian reckoning adds the "
    "liver and spleen, and seats intellect and education here as well, the mind's own offspring. Children are its "
    "most lasting creation, those born to you and the young people you teach, guide or take on as protégés.",
    // 6th House
    "Duty and health share the sixth house, and each feeds the other: how you spend your hours shapes how well you "
    "feel. It shows your skills and the kind of work that suits you: the tasks and routines that fill an ordinary "
    "week, rather than the grand career. Its people are your colleagues and anyone who answers to you. When routine "
    "breaks down or the load grows too heavy, illness and stress follow, often in the digestion, since it shares the "
    "intestines with Virgo. Indian astrologers widen its reach: they count your employers among its people, and the "
    "kidneys and womb among its organs. Sound habits of diet, rest and exercise are the cure it prescribes.",
    // 7th House
    "Facing the rising sign across the chart, the seventh house describes the person on the other side of the table. "
    "It rules marriage before all else, and in the Indian tradition the genitals too, the body's instrument of union. "
    "From it comes the choice of partner: the qualities you look for in a husband or wife and the sort of person you "
    "attract. It weighs the happiness you find with your spouse over the years and whether you both share life's "
    "burdens and pleasures fairly. Business partnerships and the contracts that seal them come under it, as do open "
    "enemies, the rivals who face you in plain sight: each is a bond between two.",
    // 8th House
    "Sex, loss and other people's money: the eighth house holds what many find hardest to discuss. It describes your "
    "sexual nature, the intensity you bring to intimacy and the organs of reproduction, over which Scorpio also "
    "presides. By tradition it is the house of death, though it more often marks endings and renewal than the close "
    "of a life. Secrets and phobias, fears that reason cannot reach, gather here with the crises that change you for "
    "good. Money reaches you through it in unconventional ways: an inheritance, a partner's earnings, an insurance "
    "payout. Its ledger also records what you owe: shared debts and taxes.",
    // 9th House
    "Past the edge of everyday life lies the ninth house, where the mind ranges furthest. It holds your values, the "
    "convictions behind your sense of right and wrong, and the philosophy and religion that give them shape, together "
    "with higher learning and the search for truth. Here intuition, the inner knowing that reaches an answer before "
    "logic sets out, is trusted as much as study. Its long journeys may cross oceans or take place entirely on the "
    "page. As the fifth from the house of children, it also speaks of your grandchildren. And it keeps your dreams, "
    "the visions of the night that astrologers once read as omens.",
    // 10th House
    "The Midheaven, the chart's highest point, marks the start of the tenth house in quadrant systems, and from that "
    "height it surveys your career and public standing. Your work, your ambitions and your reputation show in it, and "
    "so do your relationships at every level, with those above, beside and below you. It also measures authority and "
    "honour: how you carry power and what respect or titles you earn. Saturn, its natural ruler, brings it the hair, "
    "which whitens with age, and the body's frame of bones, joints, spine and knees: things that form slowly and "
    "last, as a good name does.",
    // 11th House
    "Friends gather in the eleventh house, and with them the hopes you share. Sociability is its gift: the clubs, "
    "groups and circles you join, the allies you win and the help they give you in reaching your goals. The legs and "
    "ankles fall to it from Aquarius, and on them you walk towards those aims. In India it is read above all as the "
    "house of income and gains, the rewards your work brings in, and there it governs the teeth and the left ear. Its "
    "circle widens further still, taking in children who arrive by adoption or as stepchildren through a new marriage.",
    // 12th House
    "The twelfth house guards what is most private. Older Western texts name it \"the house of self-undoing\"; Indian "
    "ones call it the house of expenses, assign it the left eye and read in it the karma of past lives, the afterlife "
    "and rebirth. Here dwell your psychic perception, your hidden self and the longings you confide to no one. "
    "Hospitals, prisons and retreats are its places. Pisces lends it the feet, the final stop on the zodiac's journey "
    "from head to toe. Where the circle of houses ends, it begins again.",
};

} // namespace orbelle::modLearnAstrology::prose
