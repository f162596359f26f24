#include "knowledge/Prose.h"

namespace modLearnAstrology::prose {

const std::array<std::string_view, 12> HouseAttributes = {
    // 1st House
    "The first house is the house of the self. It describes your individuality, the way you meet the world and the "
    "first impression you leave on the people around you. It is often called your outer personality, the manner "
    "others see before they know you well. The sign on the cusp of this house, your rising sign, colours how you "
    "start new things and how you act when life asks you to stand up for yourself. Any planet here adds its own voice "
    "to your character. This house also rules your physical appearance and your health, in particular the head, the "
    "face and the complexion, as well as your early years.",
    // 2nd House
    "The second house governs your material possessions and your wealth: the money you earn, the things you own and "
    "the value you place on them. It shows how you handle your resources, whether you save carefully, spend freely or "
    "share generously. Yet this house is about more than a bank balance. It also describes your self-esteem, the "
    "sense of your worth that lets you ask for what you deserve. Your talents belong here too, because they are "
    "resources you can develop and turn into income over time. When planets fall in this house, security and comfort "
    "matter deeply to you. In the body, the second house rules the eyesight and the throat.",
    // 3rd House
    "The third house rules your power of communication. It shows how you speak, write and listen, how quickly you "
    "learn and how well you put your thoughts into words, so verbal skill of every kind is judged here. This house "
    "also governs your brothers and sisters, your neighbours and the everyday world close to home, including short "
    "trips, errands and the daily journeys you make. It describes your stamina and courage, the drive that keeps you "
    "busy and curious. Your intellect in its practical form, the restless mind that gathers facts and news, belongs "
    "here as well. In the body, the third house rules the right ear and the shoulders.",
    // 4th House
    "The fourth house is the house of the mother and of the home. It describes the family you grew up in, the place "
    "where you feel you belong and the roots that nourish you. This house shows your need for emotional security and "
    "the kind of private life that lets you relax and be yourself. It tells of your childhood and the memories you "
    "carry from it, and it also speaks of old age and the way your life draws to a close, so it covers both ends of "
    "the story. Property, land and the household you build belong here. In the body, the fourth house rules the "
    "chest, the respiratory organs and the stomach.",
    // 5th House
    "The fifth house is the house of pleasure and creative joy. It governs love affairs and romance, the thrill of "
    "falling for someone and the playful side of courtship, rather than the settled commitment of marriage. This "
    "house also rules your intellect and education, especially learning you pursue for its own sake, as well as "
    "hobbies, games, sport and artistic expression. Children belong here, both your own and the children you teach or "
    "guide, as living expressions of your creativity. Speculation and risk taking are read from this house too. When "
    "it is strong, you know how to enjoy life. In the body, the fifth house rules the liver, the heart and the "
    "spleen.",
    // 6th House
    "The sixth house describes your skills and the kind of work that suits you. It is less about your grand career "
    "than about your daily tasks, the routines you follow and the practical abilities you would list on a résumé. "
    "This house shows how you get along with colleagues and employers, and also with anyone who works for you or "
    "serves you. It also reveals your attitude to duty, order and useful service to others. Health is another major "
    "theme: the sixth house points to illness and stress, and to the habits of diet and exercise that keep you well "
    "or wear you down. In the body, the sixth house rules the kidney, the uterus and the intestine.",
    // 7th House
    "The seventh house is the house of marriage and partnership. It lies opposite the first house, so where the first "
    "describes you, the seventh describes the other person who completes you. Here astrologers look closely at your "
    "choice of partner, the qualities you seek in a husband or wife and the kind of person you tend to attract. It "
    "shows how much happiness you are likely to find with your spouse and how you handle the daily give and take of a "
    "shared life. Business partners, contracts and open enemies are also read from this house, since each is a form "
    "of close one to one relationship. In the body, the seventh house rules the genitals.",
    // 8th House
    "The eighth house deals with the deepest and most private areas of life. It describes your sexual nature and the "
    "fierce intensity you bring to intimate bonds. Traditionally it is called the house of death, though it often "
    "points to endings and transformation rather than to a literal death. Secrets, hidden fears and phobias are found "
    "here. So too are the crises that change you for good. This house also rules inheritance, legacies and money that "
    "comes from other people, including unconventional income such as insurance, taxes or a partner's earnings. In "
    "the body, the eighth house rules the sexual organs.",
    // 9th House
    "The ninth house governs your values and the beliefs that give your life meaning. It shows your sense of right "
    "and wrong. Philosophy and religion belong here, along with higher learning, law and the search for truth. This "
    "house also rules intuition, the quiet inner knowing that guides you beyond logic. It is the house of long "
    "journeys, both travel to distant countries and journeys of the mind and spirit. Foreign cultures, teachers and "
    "publishing are read here too. The ninth house also speaks of your grandchildren and of your dreams, both the "
    "visions of sleep and the hopes you hold for the future.",
    // 10th House
    "The tenth house sits at the top of the chart and describes your career and your work in the world. It shows your "
    "ambitions, your public reputation and what you hope to achieve in your lifetime. This house also rules "
    "relationships at all levels of society, with those above you, beside you and below you. Authority and honour "
    "belong here, so it shows how you handle power, the respect you earn and any awards, titles or status that come "
    "your way. In the body, the tenth house rules the hair, the knees, the bones, the joints and the spine.",
    // 11th House
    "The eleventh house governs your income and gains, especially the rewards that come from your career and your "
    "efforts. It is also the house of friends and sociability, showing the groups, clubs and communities you join. A "
    "strong eleventh house brings loyal allies and many useful contacts. Your goals, hopes and wishes are read here, "
    "together with the support you receive to reach them. This house also rules adopted and step children, the young "
    "people who come into your family by choice rather than by birth. In the body, the eleventh house rules the "
    "teeth, the left ear, the ankles and the legs.",
    // 12th House
    "The twelfth house is known as the house of expenses and losses, and older texts call it \"the house of "
    "self-undoing.\" It governs your psychic perception, your hidden self and the fears and longings you keep from "
    "others. Karma, the after-life and rebirth are read here, as the twelfth house closes the circle of the chart and "
    "prepares for a new beginning. Hospitals, prisons and quiet retreats, where you withdraw from the world, belong "
    "here as well. In the body, the twelfth house rules the left eye and the feet.",
};

} // namespace modLearnAstrology::prose
