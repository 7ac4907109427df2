<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>history_list</name>
    <message>
        <source>双击列表选项即可将内容自动粘贴到之前的编辑窗口</source>
        <translation>Double-cliquez sur un élément pour le coller dans la fenêtre précédente</translation>
    </message>
</context>
<context>
    <name>hotkey_widget</name>
    <message>
        <source>点按此处开启全局热键</source>
        <translation>Cliquez ici pour activer les raccourcis globaux</translation>
    </message>
    <message>
        <source>点按此处关闭全局热键</source>
        <translation>Cliquez ici pour désactiver les raccourcis globaux</translation>
    </message>
    <message>
        <source>请设定区域快捷键</source>
        <translation>Définir les raccourcis</translation>
    </message>
    <message>
        <source>点按此处设定对应区域的快捷键</source>
        <translation>Cliquez sur un onglet pour définir ses raccourcis</translation>
    </message>
    <message>
        <source>点击左侧设置循环切换项目热键，选中右侧设置固定项目热键</source>
        <translation>À gauche : raccourci de défilement. À droite : raccourcis des emplacements fixes.</translation>
    </message>
    <message>
        <source>开启热键</source>
        <translation>Activer les raccourcis</translation>
    </message>
    <message>
        <source>循环热键</source>
        <translation>Raccourci cyclique</translation>
    </message>
</context>
<context>
    <name>list_context_menu</name>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>复制当前鼠标所在行内容</source>
        <translation>Copier la ligne sous le pointeur</translation>
    </message>
    <message>
        <source>附加快捷键「Space」🐯</source>
        <translation>Ou appuyez sur Espace 🐯</translation>
    </message>
    <message>
        <source>复制文件</source>
        <translation>Copier le fichier</translation>
    </message>
    <message>
        <source>复制当前所有选中内容所在文件</source>
        <translation>Copier les fichiers de tous les éléments sélectionnés</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>从上至下自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>Coller toutes les lignes sélectionnées, de haut en bas, dans la fenêtre précédente</translation>
    </message>
    <message>
        <source>附加快捷键「Enter」🦚</source>
        <translation>Ou appuyez sur Entrée 🦚</translation>
    </message>
    <message>
        <source>反向粘贴</source>
        <translation>Coller inversé</translation>
    </message>
    <message>
        <source>从下至上自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>Coller toutes les lignes sélectionnées, de bas en haut, dans la fenêtre précédente</translation>
    </message>
    <message>
        <source>翻转粘贴</source>
        <translation>Coller en miroir</translation>
    </message>
    <message>
        <source>从右至左翻转粘贴文本到上一个编辑窗口</source>
        <translation>Coller le texte en miroir, de droite à gauche, dans la fenêtre précédente</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>使用默认程序打开所有选中选项所在文件</source>
        <translation>Ouvrir les fichiers des éléments sélectionnés avec le programme par défaut</translation>
    </message>
    <message>
        <source>钉住</source>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>以顶层窗口显示图片文件</source>
        <translation>Afficher dans une fenêtre toujours au premier plan</translation>
    </message>
    <message>
        <source>收藏</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>给选中内容打上收藏标记
只在收藏页面可以被删除</source>
        <translation>Marquer les éléments sélectionnés comme favoris
Les favoris ne se suppriment que dans l’onglet Favoris</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>删除鼠标选中所有行
附加快捷键「Del」🐭</source>
        <translation>Supprimer toutes les lignes sélectionnées
Ou appuyez sur Suppr 🐭</translation>
    </message>
    <message>
        <source>md5编码</source>
        <translation>Empreinte MD5</translation>
    </message>
    <message>
        <source>获取当前选项内容的md5</source>
        <translation>Obtenir l’empreinte MD5 de l’élément actuel</translation>
    </message>
    <message>
        <source>base64编码</source>
        <translation>Encodage Base64</translation>
    </message>
    <message>
        <source>获取当前选项内容的base64</source>
        <translation>Obtenir l’encodage Base64 de l’élément actuel</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>Régler le fonctionnement du programme</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>Synchroniser l’historique du presse-papiers sur tous vos appareils</translation>
    </message>
    <message>
        <source>编码        MD5+BASE64</source>
        <translation>Encoder</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>quillbox</source>
        <translation>quillbox</translation>
    </message>
    <message>
        <source>本地列表已与云上同步</source>
        <translation>Liste synchronisée avec le cloud</translation>
    </message>
    <message>
        <source>剪贴板记录已恢复</source>
        <translation>Enregistrement repris</translation>
    </message>
    <message>
        <source>剪贴板记录已暂停</source>
        <translation>Enregistrement en pause</translation>
    </message>
    <message>
        <source>夜间模式已开启</source>
        <translation>Mode sombre activé</translation>
    </message>
    <message>
        <source>昼间模式已开启</source>
        <translation>Mode clair activé</translation>
    </message>
    <message>
        <source>  当前已选中 </source>
        <translation>  Sélection : </translation>
    </message>
    <message numerus="yes">
        <source> 项内容</source>
        <translation>
            <numerusform> élément</numerusform>
            <numerusform> éléments</numerusform>
        </translation>
    </message>
    <message>
        <source> ，今天已复制 </source>
        <translation>, copié </translation>
    </message>
    <message numerus="yes">
        <source> 次</source>
        <translation>
            <numerusform> fois aujourd’hui</numerusform>
            <numerusform> fois aujourd’hui</numerusform>
        </translation>
    </message>
    <message>
        <source>当前列表中暂无内容，
尝试从别处Ctrl+C复制几条吧~</source>
        <translation>Rien pour l’instant.
Copiez quelque chose avec Ctrl+C.</translation>
    </message>
    <message>
        <source>  文件已复制至剪贴板</source>
        <translation>  Fichier copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>文件已经复制到剪贴板</source>
        <translation>Fichier copié</translation>
    </message>
    <message>
        <source>确定删除？</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>点按此处开启剪贴板记录</source>
        <translation>Cliquez ici pour enregistrer le presse-papiers</translation>
    </message>
    <message>
        <source>点按此处暂停剪贴板记录</source>
        <translation>Cliquez ici pour suspendre l’enregistrement du presse-papiers</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>Cliquez ici pour passer au mode sombre</translation>
    </message>
    <message>
        <source>点按此处开启昼间模式</source>
        <translation>Cliquez ici pour passer au mode clair</translation>
    </message>
    <message>
        <source>点按此处打开设置界面</source>
        <translation>Cliquez ici pour ouvrir les paramètres</translation>
    </message>
    <message>
        <source>请输入搜索内容</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>点按此处不同区域切换显示类型</source>
        <translation>Cliquez sur un onglet pour choisir ce que la liste affiche</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>Synchroniser l’historique du presse-papiers sur tous vos appareils</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>Régler le fonctionnement du programme</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>Suppression de </translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>Titre de la fenêtre : </translation>
    </message>
    <message>
        <source>创建日期：</source>
        <translation>Créé le : </translation>
    </message>
    <message>
        <source>最后修改：</source>
        <translation>Modifié le : </translation>
    </message>
    <message>
        <source>「图片文件」</source>
        <translation>[Fichier image]</translation>
    </message>
    <message>
        <source>字符长度：</source>
        <translation>Caractères : </translation>
    </message>
    <message>
        <source>今天已复制 </source>
        <translation>Copié </translation>
    </message>
    <message>
        <source> - 默认</source>
        <translation> - Par défaut</translation>
    </message>
    <message>
        <source> - [文本、图片、文件]</source>
        <translation> - [Texte, Image, Fichier]</translation>
    </message>
    <message>
        <source> - [文本、文件、图片]</source>
        <translation> - [Texte, Fichier, Image]</translation>
    </message>
    <message>
        <source> - [图片、文本、文件]</source>
        <translation> - [Image, Texte, Fichier]</translation>
    </message>
    <message>
        <source> - [图片、文件、文本]</source>
        <translation> - [Image, Fichier, Texte]</translation>
    </message>
    <message>
        <source> - [文件、文本、图片]</source>
        <translation> - [Fichier, Texte, Image]</translation>
    </message>
    <message>
        <source> - [文件、图片、文本]</source>
        <translation> - [Fichier, Image, Texte]</translation>
    </message>
    <message>
        <source>已选择显示文本</source>
        <translation>Affichage : texte</translation>
    </message>
    <message>
        <source>已选择显示图片</source>
        <translation>Affichage : images</translation>
    </message>
    <message>
        <source>已选择显示文件</source>
        <translation>Affichage : fichiers</translation>
    </message>
    <message>
        <source>已选择全部显示</source>
        <translation>Affichage : tout</translation>
    </message>
    <message>
        <source>已选择显示收藏</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>编码已复制</source>
        <translation> copié</translation>
    </message>
    <message>
        <source>  无法对多个文件编码</source>
        <translation>  Impossible d’encoder plusieurs fichiers</translation>
    </message>
    <message>
        <source>无法对多个文件编码</source>
        <translation>Un seul fichier à la fois</translation>
    </message>
    <message>
        <source>  暂时无法对文件base64</source>
        <translation>  Base64 des fichiers pas encore pris en charge</translation>
    </message>
    <message>
        <source>暂时无法对文件base64</source>
        <translation>Base64 : pas pour les fichiers</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>−</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>+</translation>
    </message>
    <message numerus="yes">
        <source>条收藏</source>
        <translation>
            <numerusform> favori</numerusform>
            <numerusform> favoris</numerusform>
        </translation>
    </message>
    <message>
        <source>  图片已复制至剪贴板</source>
        <translation>  Image copiée dans le presse-papiers</translation>
    </message>
    <message>
        <source>图片已经复制到剪贴板</source>
        <translation>Image copiée</translation>
    </message>
    <message>
        <source>  文本已复制至剪贴板</source>
        <translation>  Texte copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>文本已经复制到剪贴板</source>
        <translation>Texte copié</translation>
    </message>
    <message numerus="yes">
        <source>条内容</source>
        <translation>
            <numerusform> élément</numerusform>
            <numerusform> éléments</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pinned_widget</name>
    <message>
        <source>预览</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>prompt_widget</name>
    <message>
        <source>是</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>快捷键「Enter」🦖</source>
        <translation>Raccourci : Entrée 🦖</translation>
    </message>
    <message>
        <source>快捷键「Esc」🪂</source>
        <translation>Raccourci : Échap 🪂</translation>
    </message>
</context>
</TS>
