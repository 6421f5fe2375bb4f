<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>د</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>س</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>ث</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>خطأ في النظام</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>اكتشاف تلقائي</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>يرجى التحقق من الشبكة</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>إعدادات الماوس</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>الإعدادات الذكية</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>إعدادات البرنامج</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>التخصيص</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>إعدادات القلم الذكي</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>فتح النافذة الرئيسية</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>دليل الاستخدام</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>الأذونات</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>لم يتم اكتشاف أي جهاز</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>وصّل جهاز الاستقبال بمنفذ USB في الكمبيوتر، أو صِل الماوس عبر البلوتوث</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>ستُفتح الإعدادات تلقائيًا بعد توصيل الجهاز</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>البطارية منخفضة، يرجى الشحن</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>لغة الواجهة</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>فشل الإعداد</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>تحدد العناصر التالية الميزات التي يمكن استخدامها</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>الوصول إلى الجهاز</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>قراءة عُقد HID لجهاز الاستقبال والكتابة إليها، لتوصيل الجهاز واستقبال المفاتيح والصوت</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>ثبّت قاعدة udev المرفقة بالبرنامج، ثم أعد توصيل جهاز الاستقبال:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>إمكانية الوصول</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>ناقل إمكانية الوصول لسطح المكتب (AT-SPI)، لكتابة النص المتعرَّف عليه مباشرة في حقول الإدخال</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>ثبّت at-spi2-core وفعّل إمكانية الوصول في إعدادات النظام، ثم سجّل الدخول مجددًا</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>جلسة X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>تحتاج الاختصارات العامة والمفاتيح المحاكاة ومراقبة الإدخال ولقطات الشاشة إلى جلسة X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>اختر جلسة X11 (Xorg) في شاشة تسجيل الدخول</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>محدود</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>في جلسة Wayland، تعمل المفاتيح المحاكاة والاختصارات العامة ومراقبة الإدخال ولقطات الشاشة مع نوافذ XWayland فقط، وليس مع نوافذ Wayland الأصلية؛ لاستخدام كل الوظائف اختر جلسة X11 (Xorg) في شاشة تسجيل الدخول</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>مُنح</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>غير ممنوح</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>لم يُعثر على جهاز استقبال</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>جارٍ التحقق</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>نسخ الأمر</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>تم النسخ</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>إعادة التحقق</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>إعدادات مساعدة</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>تعذرت قراءة بعض الإعدادات، وأُعيدت إلى القيم الافتراضية</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>حُفظ ملف الإعدادات الأصلي باسم: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>فشل التسجيل، يرجى التحقق من الميكروفون</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>الضغط سريع جدًا</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>تحدث من فضلك...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>لم يتم سماع أي كلام. اضغط على مفتاح الصوت وتحدث مرة أخرى</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>تم التبديل إلى وضع الكتابة</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>تم التبديل إلى وضع الترجمة</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>فشل الاتصال بالخادم، يرجى التحقق من الشبكة</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>تعذرت قراءة الملف الصوتي</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>تعذر تشغيل الصوت المرفق بالإجابة</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>فشل اللصق</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>فشلت الترجمة</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>تعذرت القراءة بصوت عالٍ: لا يوجد محرك كلام أو جهاز إخراج صوت</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>تعذر تشغيل الصوت</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>تعذر فتح المتصفح</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>لم يتم الحصول على النص المحدد</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>تم النسخ</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>فشل النسخ</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>نتيجة التعرف</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>ترجمة النص المحدد</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>اختصار</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>ترجمة لقطة الشاشة</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>اختصار لقطة الشاشة مستخدم من برنامج آخر</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>فشل الحفظ</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>فشل التقاط الشاشة</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>تعذر فتح نافذة الذكاء الاصطناعي</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>تعذر الفتح</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>تم تنزيل %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>اكتمل التصدير</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>فشل التنزيل، error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>فشل التصدير، error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>مفتاح Esc مستخدم من برنامج آخر، غيّر الوضع لإنهاء القلم</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>تعذرت قراءة الشاشة</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>ليزر حقيقي</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>تمييز</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>نقطة ضوء رقمية</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>مكبر</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>قلم</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>تم التبديل إلى وضع عرض الشاشة</translation>
    </message>
</context>
</TS>
