// The page's own words in the languages the program speaks; the browser's languages choose.
// What the lending copy sends (scores, status, names) comes in that copy's language.
const T = {
  en: ['Your name', 'Colour', 'Join', 'Say something', 'Send', 'Turbo', 'Steering pad', 'Up left', 'Up', 'Up right', 'Left', 'Right', 'Down left', 'Down', 'Down right', 'Chat line', 'The copy that lent this seat is gone. Reload the page to try again.', 'Your seat was taken back.', 'Every seat is taken. Try again after this match.', "Your player's own colour", 'Player %1'],
  de: ['Dein Name', 'Farbe', 'Beitreten', 'Sag etwas', 'Senden', 'Turbo', 'Steuerkreuz', 'Hoch links', 'Hoch', 'Hoch rechts', 'Links', 'Rechts', 'Runter links', 'Runter', 'Runter rechts', 'Chatzeile', 'Die Kopie, die diesen Platz verliehen hat, ist weg. Lade die Seite neu, um es noch einmal zu versuchen.', 'Dein Platz wurde zurückgenommen.', 'Alle Plätze sind belegt. Versuch es nach diesem Match noch einmal.', 'Die eigene Farbe deines Spielers', 'Spieler %1'],
  fr: ['Votre nom', 'Couleur', 'Rejoindre', 'Dites quelque chose', 'Envoyer', 'Turbo', 'Croix de direction', 'Haut gauche', 'Haut', 'Haut droite', 'Gauche', 'Droite', 'Bas gauche', 'Bas', 'Bas droite', 'Ligne de discussion', 'La copie qui prêtait cette place a disparu. Rechargez la page pour réessayer.', 'Votre place a été reprise.', 'Toutes les places sont prises. Réessayez après ce match.', 'La couleur propre à votre joueur', 'Joueur %1'],
  es: ['Tu nombre', 'Color', 'Unirse', 'Di algo', 'Enviar', 'Turbo', 'Cruceta', 'Arriba izquierda', 'Arriba', 'Arriba derecha', 'Izquierda', 'Derecha', 'Abajo izquierda', 'Abajo', 'Abajo derecha', 'Línea de chat', 'La copia que prestaba este puesto ya no está. Recarga la página para intentarlo de nuevo.', 'Te han quitado el puesto.', 'Todos los puestos están ocupados. Inténtalo después de esta partida.', 'El color propio de tu jugador', 'Jugador %1'],
  pt_BR: ['Seu nome', 'Cor', 'Entrar', 'Diga algo', 'Enviar', 'Turbo', 'Direcional', 'Cima esquerda', 'Cima', 'Cima direita', 'Esquerda', 'Direita', 'Baixo esquerda', 'Baixo', 'Baixo direita', 'Linha de chat', 'A cópia que emprestou este lugar sumiu. Recarregue a página para tentar de novo.', 'Seu lugar foi retomado.', 'Todos os lugares estão ocupados. Tente de novo depois desta partida.', 'A cor própria do seu jogador', 'Jogador %1'],
  it: ['Il tuo nome', 'Colore', 'Unisciti', "Di' qualcosa", 'Invia', 'Turbo', 'Croce direzionale', 'Su a sinistra', 'Su', 'Su a destra', 'Sinistra', 'Destra', 'Giù a sinistra', 'Giù', 'Giù a destra', 'Riga di chat', 'La copia che prestava questo posto non c\'è più. Ricarica la pagina per riprovare.', 'Il tuo posto è stato ripreso.', 'Tutti i posti sono occupati. Riprova dopo questa partita.', 'Il colore proprio del tuo giocatore', 'Giocatore %1'],
  pl: ['Twoja nazwa', 'Kolor', 'Dołącz', 'Powiedz coś', 'Wyślij', 'Turbo', 'Krzyżak', 'Góra w lewo', 'Góra', 'Góra w prawo', 'Lewo', 'Prawo', 'Dół w lewo', 'Dół', 'Dół w prawo', 'Wiersz czatu', 'Kopii, która użyczyła tego miejsca, już nie ma. Odśwież stronę, by spróbować ponownie.', 'Twoje miejsce zostało odebrane.', 'Wszystkie miejsca są zajęte. Spróbuj po tym meczu.', 'Własny kolor twojego gracza', 'Gracz %1'],
  ru: ['Ваше имя', 'Цвет', 'Войти', 'Скажите что-нибудь', 'Отправить', 'Турбо', 'Крестовина', 'Вверх влево', 'Вверх', 'Вверх вправо', 'Влево', 'Вправо', 'Вниз влево', 'Вниз', 'Вниз вправо', 'Строка чата', 'Копии, одолжившей это место, больше нет. Перезагрузите страницу, чтобы попробовать снова.', 'Ваше место забрали.', 'Все места заняты. Попробуйте после этого матча.', 'Собственный цвет вашего игрока', 'Игрок %1'],
  uk: ["Ваше ім'я", 'Колір', 'Увійти', 'Скажіть щось', 'Надіслати', 'Турбо', 'Хрестовина', 'Вгору ліворуч', 'Вгору', 'Вгору праворуч', 'Ліворуч', 'Праворуч', 'Вниз ліворуч', 'Вниз', 'Вниз праворуч', 'Рядок чату', 'Копії, що позичила це місце, більше немає. Перезавантажте сторінку, щоб спробувати знову.', 'Ваше місце забрали.', 'Усі місця зайняті. Спробуйте після цього матчу.', 'Власний колір вашого гравця', 'Гравець %1'],
  tr: ['Adın', 'Renk', 'Katıl', 'Bir şey söyle', 'Gönder', 'Turbo', 'Yön tuşları', 'Sol üst', 'Yukarı', 'Sağ üst', 'Sol', 'Sağ', 'Sol alt', 'Aşağı', 'Sağ alt', 'Sohbet satırı', 'Bu yeri ödünç veren kopya gitti. Yeniden denemek için sayfayı yenile.', 'Yerin geri alındı.', 'Tüm yerler dolu. Bu maçtan sonra yeniden dene.', 'Oyuncunun kendi rengi', 'Oyuncu %1'],
  zh_CN: ['你的名字', '颜色', '加入', '说点什么', '发送', '加速', '方向键', '左上', '上', '右上', '左', '右', '左下', '下', '右下', '聊天输入', '借出此座位的副本已不在。请重新加载页面再试。', '你的座位已被收回。', '所有座位都已占用。请在本场比赛后再试。', '你的玩家自己的颜色', '玩家 %1'],
  ja: ['あなたの名前', '色', '参加', '何か言う', '送信', 'ターボ', '方向パッド', '左上', '上', '右上', '左', '右', '左下', '下', '右下', 'チャット入力', 'この席を貸していたコピーがいなくなりました。ページを再読み込みしてやり直してください。', '席が返されました。', '席はすべて埋まっています。この試合の後にもう一度どうぞ。', 'あなたのプレイヤー自身の色', 'プレイヤー %1'],
  ar: ['اسمك', 'اللون', 'انضمام', 'قل شيئًا', 'إرسال', 'توربو', 'أزرار الاتجاه', 'أعلى يسار', 'أعلى', 'أعلى يمين', 'يسار', 'يمين', 'أسفل يسار', 'أسفل', 'أسفل يمين', 'سطر الدردشة', 'النسخة التي أعارت هذا المقعد لم تعد موجودة. أعد تحميل الصفحة لتحاول مجددًا.', 'استُعيد مقعدك.', 'كل المقاعد مشغولة. حاول بعد هذه المباراة.', 'لون لاعبك الخاص', 'اللاعب %1'],
};
export const Keys = ['name', 'colour', 'join', 'say', 'send', 'turbo', 'pad', 'upLeft', 'up', 'upRight', 'left', 'right',
  'downLeft', 'down', 'downRight', 'chatLine', 'gone', 'takenBack', 'full', 'ownColour', 'player'];
export const Languages = Object.keys(T);
export const RightToLeft = ['ar'];

// The first of the browser's languages the page speaks ("pt" finds "pt_BR"); English else.
export function chooseLanguage(wanted) {
  for (const w of wanted || []) {
    const code = String(w).replace('-', '_');
    const exact = Languages.find((l) => l.toLowerCase() === code.toLowerCase());
    if (exact) return exact;
    const base = code.split('_')[0].toLowerCase();
    const near = Languages.find((l) => l.split('_')[0] === base);
    if (near) return near;
  }
  return 'en';
}

// A text of the page in `lang`, with %1, %2 ... filled in.
export function text(lang, key, ...args) {
  const i = Keys.indexOf(key);
  const t = (T[lang] || T.en)[i] ?? T.en[i];
  return t.replace(/%(\d)/g, (_, n) => String(args[Number(n) - 1]));
}
