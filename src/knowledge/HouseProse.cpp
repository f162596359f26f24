// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"

namespace orbelle::modLearnAstrology::prose {

const std::array<std::string_view, 12> HouseAttributes = {
    // 1st House
    "Your sense of self starts in the first house. It describes your individuality, the way you meet the world and "
    "the first impression you make on others. Astrologers often call it your outer personality, the side of you that "
    "people see before they know you well. The sign on the cusp of this house, your rising sign, colours how you "
    "begin new things and how you act when life asks you to stand up for yourself. Any planet here adds its own voice "
    "to your character. Finally, the first house governs your physical appearance and your health, in particular the "
    "head, the face and the complexion, as well as your early years.",
    // 2nd House
    "Material possessions and wealth are what the second house governs first: the money you earn, the things you own "
    "and the value you place on them. It shows how you handle your resources, whether you save carefully, spend "
    "freely or share generously. Yet this house is about more than a bank balance. It also describes your "
    "self-esteem, the sense of your worth that lets you ask for what you deserve. Your talents count here too, "
    "because they are resources you can develop and turn into income over time. When planets fall in this house, "
    "security and comfort matter deeply to you. Physically, it is linked with the eyesight and the throat.",
    // 3rd House
    "Communication is the power that the third house describes. It shows how you speak, write and listen, how quickly "
    "you learn and how well you put your thoughts into words, so verbal skill of every kind is judged here. Your "
    "brothers and sisters, your neighbours and the everyday world close to home have their place in this house too, "
    "including short trips, errands and the daily journeys you make. It describes your stamina and courage, the drive "
    "that keeps you busy and curious. Your intellect in its practical form, the restless mind that gathers facts and "
    "news, is another of its themes. Medical astrologers connect the third house with the right ear and the shoulders.",
    // 4th House
    "Home and mother are the first themes of the fourth house. It describes the family you grew up in, the place "
    "where you feel you belong and the roots that sustain you. Here lies your need for emotional security and the "
    "kind of private life that lets you relax and be yourself. The chest, the respiratory organs and the stomach, "
    "parts of the body that shelter and nourish, are given to this house as well. Property, land and the household "
    "you build also come under this house. Your childhood and the memories you carry from it are told here, and so "
    "are old age and the way your life draws to a close, so the house holds both ends of your story.",
    // 5th House
    "Pleasure and creative joy fill the fifth house. It governs love affairs and romance, the thrill of falling for "
    "someone and the playful side of courtship, rather than the settled commitment of marriage. Your intellect and "
    "education are read here too, especially learning you pursue for its own sake, along with hobbies, games, sport "
    "and artistic expression. Children belong to this house, both your own and those you teach or guide, as living "
    "expressions of your creativity. Speculation and risk-taking are judged here. The liver, the heart and the spleen "
    "are its organs, and the heart suits a house whose natural sign is Leo. When the fifth house is strong, you know "
    "how to enjoy life.",
    // 6th House
    "Your skills, and the kind of work that suits you, are the concern of the sixth house. It is less about your "
    "grand career than about your everyday tasks, the routines you follow and the practical abilities you would list "
    "on a résumé. Your dealings with colleagues and employers show here, and so do your dealings with anyone who "
    "works for you or serves you. The house reveals your attitude to duty, order and useful service to others. Health "
    "is its other great theme: the sixth house points to illness and stress, to the kidney, the uterus and the "
    "intestine, and to the habits of diet and exercise that keep you well or wear you down.",
    // 7th House
    "Opposite the first house lies the seventh, the house of marriage and partnership. Where the first describes you, "
    "the seventh describes the other person who completes you. Here astrologers look closely at your choice of "
    "partner, the qualities you seek in a husband or wife and the kind of person you tend to attract. It shows how "
    "much happiness you are likely to find with your spouse and how you handle the daily give-and-take of a shared "
    "life. Business partners, contracts and open enemies, the rivals who oppose you in plain sight, are read from "
    "this house as well, since each is a form of one-to-one relationship. It also governs one part of the body, the "
    "genitals.",
    // 8th House
    "Intimacy, loss and renewal meet in the eighth house, which deals with the deepest and most private areas of "
    "life. It describes your sexual nature and the fierce intensity you bring to intimate bonds, and it governs the "
    "sexual organs. Traditionally it is called the house of death, though it more often points to endings and "
    "transformation than to a literal death. Secrets, hidden fears and phobias are found here, and so are the crises "
    "that change you for good. Inheritance, legacies and other people's money complete the picture: unconventional "
    "income such as a partner's earnings or insurance payouts, along with joint debts and taxes.",
    // 9th House
    "Values and the beliefs that give your life meaning take shape in the ninth house. Your sense of right and wrong "
    "grows from them. Philosophy and religion belong here, along with higher learning, law and the search for truth. "
    "Intuition, the quiet inner knowing that guides you beyond logic, is also found in this house. Long journeys fall "
    "here, both travel to distant countries and journeys of the mind and spirit, and so do foreign cultures, teachers "
    "and publishing. As the fifth house counted from the fifth, the ninth also speaks of your grandchildren, and it "
    "holds your dreams, both the visions of sleep and the hopes you keep for the future.",
    // 10th House
    "The tenth house begins at the Midheaven, the highest point of the chart, and describes your career and your work "
    "in the world. It shows your ambitions, your public reputation and what you hope to achieve. Relationships at all "
    "levels of society, with those above you, beside you and below you, also fall within its scope. Authority and "
    "honour are tenth-house matters: how you handle power, the respect you earn and any awards, titles or status that "
    "come your way. Its share of the body is the frame that holds you upright: the bones, the joints, the spine and "
    "the knees, together with the hair.",
    // 11th House
    "Income and gains, especially the rewards that flow from your career and your efforts, are counted in the "
    "eleventh house. The house also rules friends and sociability, with the groups, clubs and communities you join. A "
    "strong eleventh house brings loyal allies and many useful contacts. Your goals, hopes and wishes show here, "
    "together with the support you receive to reach them. Adopted children and stepchildren, the young people who "
    "join your family by choice rather than by birth, also belong to this house. In medical astrology it governs the "
    "teeth, the left ear, the ankles and the legs.",
    // 12th House
    "Last of the twelve, this is the house of expenses and losses, and older texts call it \"the house of "
    "self-undoing\". It governs your psychic perception, your hidden self and the fears and longings you keep from "
    "others. Karma, the afterlife and rebirth are read here, as the twelfth house closes the circle of the chart. "
    "Hospitals, prisons and quiet retreats, where you withdraw from the world, are twelfth-house places. The left eye "
    "and the feet fall to it as well, the feet being the last stop on the zodiac's journey from head to toe.",
};

} // namespace orbelle::modLearnAstrology::prose
